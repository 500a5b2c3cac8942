#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine on an Xvfb display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
. scripts/wine-env.sh
start_display --own
trap stop_all EXIT
start_wine unmanaged
cd build
ctest --output-on-failure --timeout 600 "$@"
