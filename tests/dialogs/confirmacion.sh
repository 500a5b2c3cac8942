#!/usr/bin/env bash
# The command-line confirmation answered as a person would: Escape and Alt+N leave the
# folder as it was, Enter shreds it. Run by ctest inside scripts/test.sh's display and Wine
# prefix: bash confirmacion.sh <build-dir>
set -euo pipefail
work="$(mktemp -d)"; pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
dir="$work/carpeta"

answer() {  # answer KEY: runs the program on the folder and answers its question with KEY
  mkdir -p "$dir/sub"; echo "datos" >"$dir/sub/archivo.txt"
  wine "$1/Trituradora.exe" "$(winepath -w "$dir" 2>/dev/null)" </dev/null >/dev/null 2>&1 & pid=$!
  local id="" _
  for _ in $(seq 200); do
    id="$(xdotool search --onlyvisible --name 'Confirmaci' 2>/dev/null | head -1 || true)"
    [ -n "$id" ] && break; sleep 0.1
  done
  [ -n "$id" ] || { echo "FAIL: no confirmation window for $2"; exit 1; }
  xdotool windowfocus --sync "$id" key "$2"
  for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && { echo "FAIL: the program did not end after $2"; exit 1; }
  pid=""
}

for key in Escape alt+n; do
  answer "$1" "$key"
  [ "$(cat "$dir/sub/archivo.txt")" = "datos" ] || { echo "FAIL: $key touched the folder"; exit 1; }
done
answer "$1" Return
[ ! -e "$dir" ] || { echo "FAIL: Enter (Sí) did not shred the folder"; exit 1; }
echo "ok"
