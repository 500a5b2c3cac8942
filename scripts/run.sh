#!/usr/bin/env bash
# Installs what is missing, builds, and runs Trituradora.exe under Wine.
# Any arguments (paths of files or folders to shred) are passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
. scripts/wine-env.sh
if [ -z "${DISPLAY:-}" ]; then
  start_display --own
  trap stop_all EXIT
  echo "No display here: the program runs on a private Xvfb, display $DISPLAY. To see it, run" >&2
  echo "this script from a desktop session, or take a screenshot: DISPLAY=$DISPLAY import -window root captura.png" >&2
fi
start_wine
# Linux paths are handed over as the Windows paths Wine gives them (Z:\...).
args=()
for a in "$@"; do
  if [[ "$a" == /* ]]; then args+=("$(winepath -w "$a" 2>/dev/null)"); else args+=("$a"); fi
done
wine build/Trituradora.exe "${args[@]}"
wineserver -k >/dev/null 2>&1 || true
