#!/usr/bin/env bash
# How fast the progress window answers while it shreds one large file: the program on its
# command-line route with the default settings over a 1 GiB file (MIB to change the size),
# window shown, while bench/Respuesta.cpp sends the window WM_NULL every 20 ms and times each
# answer. Prints the probes' worst and mean answer and how many took over 100 ms. The probing
# stops after SEGUNDOS seconds (60 unless given); the run is then ended, the file removed.
# Usage: bash bench/respuesta.sh      (a benchmark: nothing is asserted)
# PROGRAMA=path/to/Trituradora.exe measures that build instead of the one in ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${PROGRAMA:-}" ] || bash scripts/build.sh >/dev/null
[ -n "${PROGRAMA:-}" ] && [ -f build/Respuesta.exe ] || cmake --build build --target Respuesta >/dev/null
. scripts/wine-env.sh
start_display --own
start_wine unmanaged
set +e
. tests/forense/comun.bash build
trap 'limpiar; stop_all' EXIT
[ -n "${PROGRAMA:-}" ] && exe="$(cd "$(dirname "$PROGRAMA")" && pwd)/$(basename "$PROGRAMA")"

mib="${MIB:-1024}"
archivo="$work/grande.bin"
dd if=/dev/zero of="$archivo" bs=1M count="$mib" status=none
sync
ajustes
printf '%s MiB, default settings, window shown; load average %s\n' "$mib" "$(cut -d' ' -f1-3 /proc/loadavg)"
start_program "$(zruta "$archivo")"
confirmar || { echo "no confirmation"; exit 1; }
wine build/Respuesta.exe "${SEGUNDOS:-60}" </dev/null 2>&1 | tr -d '\r'
kill "$prog" 2>/dev/null
wait "$prog" 2>/dev/null
exit 0
