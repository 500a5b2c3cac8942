#!/usr/bin/env bash
# Many small files: files per second over the same tree of N small files (10,000 unless given),
# built afresh for every contender, on the disk that holds /tmp:
#   - a plain recursive delete (rm -r);
#   - GNU shred -u on every file (3 passes, each flushed), then rm -r for the folders;
#   - the program on its command-line route with the default settings (method 1, 10 passes,
#     every finishing step), confirmed with Enter;
#   - the engine's run with 1 pass of method 1, and in ultra-fast mode (the stored settings,
#     through the engine step of test_forense.exe);
#   - the same 1-pass run over the files spread as 100 folders, which shows what one large
#     folder costs under Wine (each name looked up that is not there reads the whole folder).
# Usage: bash bench/triturar_muchos.sh [N]      (a benchmark, not a test: nothing is asserted)
set -euo pipefail
cd "$(dirname "$0")/.."
cuantos="${1:-10000}"
bash scripts/build.sh >/dev/null
. scripts/wine-env.sh
start_display --own
start_wine unmanaged
set +e
. tests/forense/comun.bash build
trap 'limpiar; stop_all' EXIT
espera_programa=3600

arbol="$work/arbol"
# plano / en_carpetas: the tree, every file "archivo N" plus a line of its own.
plano() { mkdir -p "$arbol"; for i in $(seq "$cuantos"); do printf 'archivo %s\nlinea de relleno\n' "$i" >"$arbol/f$i"; done; sync; }
en_carpetas() {
  for i in $(seq "$cuantos"); do
    d="$arbol/c$((i % 100))"; [ -d "$d" ] || mkdir -p "$d"
    printf 'archivo %s\nlinea de relleno\n' "$i" >"$d/f$i"
  done
  sync
}
# medir NAME COMMAND...: times the command over the fresh tree and prints files per second.
medir() {
  local nombre="$1"; shift
  local a b
  a=$(date +%s.%N)
  "$@"
  b=$(date +%s.%N)
  sync
  local queda="gone"; [ -e "$arbol" ] && queda="NOT GONE: $(find "$arbol" | wc -l) entries left"
  awk -v x="$nombre" -v a="$a" -v b="$b" -v n="$cuantos" -v q="$queda" \
    'BEGIN { printf "%-44s %9.1f s %9.0f files/s   tree %s\n", x, b - a, n / (b - a), q }'
  rm -rf "$arbol"
}
con_shred() { find "$arbol" -type f -exec shred -u {} + && rm -r "$arbol"; }

printf '%s small files, on %s\n' "$cuantos" "$(df --output=source,fstype /tmp | tail -n1)"
plano; medir "rm -r" rm -r "$arbol"
plano; medir "shred -u (3 passes), rm -r" con_shred
ajustes "Nº de pasadas=0"
plano; medir "engine, method 1, 1 pass" triturar_motor "$(zruta "$arbol")"
en_carpetas; medir "engine, method 1, 1 pass, in 100 folders" triturar_motor "$(zruta "$arbol")"
ajustes "UltraRapido=1"
plano; medir "engine, ultra-fast" triturar_motor "$(zruta "$arbol")"
ajustes
plano; medir "Trituradora.exe, default settings (10 passes)" triturar_programa "$(zruta "$arbol")"
