#!/usr/bin/env bash
# Installs what is missing, builds, and runs Trituradora.exe under Wine.
# Any arguments (paths of files or folders to shred) are passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
. scripts/wine-env.sh
if [ -z "${DISPLAY:-}" ]; then
  echo "No display: starting a private Xvfb. To watch the program, run this script from a" >&2
  echo "desktop session, or take screenshots with: DISPLAY=\$DISPLAY import -window root shot.png" >&2
  start_display --own
  echo "Program display: $DISPLAY" >&2
  trap stop_all EXIT
fi
start_wine
# Linux paths are handed over as the Windows paths Wine gives them (Z:\...).
args=()
for a in "$@"; do
  if [[ "$a" == /* ]]; then args+=("$(winepath -w "$a" 2>/dev/null)"); else args+=("$a"); fi
done
wine build/Trituradora.exe "${args[@]}"
wineserver -w
