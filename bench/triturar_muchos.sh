#!/usr/bin/env bash
# Many small files, each contender over the same tree built afresh, on the disk that holds /tmp:
#   - the raw limit: bench/limite_crudo.c, built natively, makes per file the system calls the
#     program makes with its default settings (write test, 10 x 3 flushed sub-passes, truncate,
#     two renames, times, delete) and nothing else;
#   - GNU shred -u on every file (3 passes, each flushed), then rm -r for the folders;
#   - a plain recursive delete (rm -r);
#   - the program on its command-line route, window shown, with the default settings (method 1,
#     10 passes, every finishing step), the confirmation answered with Enter;
#   - the same in ultra-fast mode (no overwriting).
# Each line gives seconds, files per second and the ratio to the raw limit of the same run. The
# program's time runs from the Enter that confirms to the end of its process.
#
# Usage: bash bench/triturar_muchos.sh [--diez-mil]      (a benchmark: nothing is asserted)
#   default:     1,000 files of about 30 bytes in 10 folders;
#   --diez-mil:  10,000 files in one folder, then in 100 folders, to show whether one large
#                folder makes the program's own work grow faster than the file count. The
#                contenders are the raw limit, ultra-fast mode and the default settings, or those
#                named in DIEZ_MIL (for instance DIEZ_MIL="ultra defecto").
# ARBOL_EN=folder builds the trees there instead of below /tmp (/dev/shm, say, to take the disk's
# flushes out and leave the program's own work).
# PROGRAMA=path/to/Trituradora.exe measures that build instead of building ./build.
# The figures are only as quiet as the machine: run it while nothing else compiles.
set -euo pipefail
cd "$(dirname "$0")/.."
modo="${1:-}"
[ -n "${PROGRAMA:-}" ] || bash scripts/build.sh >/dev/null
mkdir -p build
crudo=build/limite_crudo
gcc -O2 -Wall -Wextra -o "$crudo" bench/limite_crudo.c
. scripts/wine-env.sh
start_display --own
start_wine unmanaged
set +e
. tests/forense/comun.bash build
arbol="${ARBOL_EN:-$work}/arbol-trituradora-$$"
trap 'rm -rf "$arbol"; limpiar; stop_all' EXIT
[ -n "${PROGRAMA:-}" ] && exe="$(cd "$(dirname "$PROGRAMA")" && pwd)/$(basename "$PROGRAMA")"

# arbol_de FILES FOLDERS: the tree, every file "archivo N" plus a line of its own (about 30
# bytes), spread round-robin over the folders (FOLDERS = 1: all directly in the tree's root).
arbol_de() {
  local n="$1" c="$2" i d
  mkdir -p "$arbol"
  for i in $(seq "$n"); do
    if [ "$c" = 1 ]; then d="$arbol"; else d="$arbol/c$((i % c))"; [ -d "$d" ] || mkdir -p "$d"; fi
    printf 'archivo %s\nlinea de relleno\n' "$i" >"$d/f$i"
  done
  sync
}

# programa PATH: the program on its command-line route; prints the seconds from the Enter that
# confirms to the end of the process.
programa() {
  start_program "$1"
  local id t0 t1
  id=$(wait_window Confirmaci) || { echo "no confirmation window" >&2; kill "$prog"; return 1; }
  for _ in 1 2 3 4 5; do
    xdotool search --onlyvisible --name Confirmaci 2>/dev/null | grep -qx "$id" || break
    press "$id" Return
    t0=$(date +%s.%N)
    sleep 0.3
  done
  while kill -0 "$prog" 2>/dev/null; do sleep 0.02; done
  t1=$(date +%s.%N)
  wait "$prog" 2>/dev/null
  awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f\n", b - a }'
}

# cronometrar COMMAND...: the seconds the command takes.
cronometrar() {
  local a b
  a=$(date +%s.%N)
  "$@" >/dev/null
  b=$(date +%s.%N)
  awk -v a="$a" -v b="$b" 'BEGIN { printf "%.3f\n", b - a }'
}

con_shred() { find "$arbol" -type f -exec shred -u {} + && rm -r "$arbol"; }

limite=""
# linea NAME SECONDS FILES: one result line; the tree must be gone.
linea() {
  local queda="gone"
  [ -e "$arbol" ] && queda="NOT GONE: $(find "$arbol" | wc -l) entries left"
  awk -v x="$1" -v s="$2" -v n="$3" -v l="${limite:--}" -v q="$queda" \
    'BEGIN { r = l == "-" ? "      -" : sprintf("%6.2fx", s / l)
             printf "%-36s %8.2f s %8.0f files/s %8s   tree %s\n", x, s, n / s, r, q }'
  rm -rf "$arbol"
}

# ronda FILES FOLDERS CONTENDERS...: every contender over a fresh tree of that shape.
ronda() {
  local n="$1" c="$2"; shift 2
  printf '\n%s files of about 30 bytes in %s folder(s), on %s; load average %s\n' "$n" "$c" \
    "$(mkdir -p "$arbol" && df --output=source,fstype "$arbol" | tail -n1 | tr -s ' ')" "$(cut -d' ' -f1-3 /proc/loadavg)"
  printf '%-36s %10s %14s %8s\n' "" seconds files/s "x raw"
  local quien s
  limite=""
  for quien in "$@"; do
    arbol_de "$n" "$c"
    case "$quien" in
      crudo) s=$(cronometrar "$crudo" "$arbol"); limite="$s"; linea "raw limit (native system calls)" "$s" "$n" ;;
      shred) s=$(cronometrar con_shred); linea "shred -u (3 passes), rm -r" "$s" "$n" ;;
      rm) s=$(cronometrar rm -r "$arbol"); linea "rm -r" "$s" "$n" ;;
      defecto) ajustes; s=$(programa "$(zruta "$arbol")"); linea "Trituradora.exe, default settings" "$s" "$n" ;;
      ultra) ajustes "UltraRapido=1"; s=$(programa "$(zruta "$arbol")"); linea "Trituradora.exe, ultra-fast mode" "$s" "$n"
             ajustes ;;
    esac
  done
}

if [ "$modo" = --diez-mil ]; then
  read -r -a contendientes <<<"${DIEZ_MIL:-crudo ultra defecto}"
  ronda 10000 1 "${contendientes[@]}"
  ronda 10000 100 "${contendientes[@]}"
else
  ronda 1000 10 crudo shred rm defecto ultra
fi
