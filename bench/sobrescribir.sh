#!/usr/bin/env bash
# Overwrite speed: a 256 MiB file overwritten by each method for 1 and 10 passes (no finishing
# steps), beside the raw limit for the same work, a plain in-place overwrite by dd with the
# same transfer unit and the same flushes. Prints per method and pass count our time (the
# method call itself, measured inside the program), the baseline time and their ratio.
# Limits: method 4 at 10 passes within 1.3x of its baseline, every method within 2x.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
cmake --build build --target BenchSobrescribir >/dev/null
. scripts/wine-env.sh
start_display --own
dir=$(mktemp -d "$PWD/build/bench-XXXXXX")
trap 'rm -rf "$dir"; stop_all' EXIT
start_wine

MIB=256
f="$dir/archivo.bin"
win="Z:$(printf '%s' "$f" | tr / '\\')"
BLOQUES=$((MIB * 256))   # 4096-byte blocks
TROZOS=$((MIB * 16))     # 65,536-byte chunks

fresco() { dd if=/dev/zero of="$f" bs=1M count=$MIB status=none; sync; }
ahora() { date +%s%N; }
escribir() { dd if=/dev/zero of="$f" bs="$1" count="$2" conv="$3" status=none; }

# One pass of each method's work, done by dd; every pass ends on the disk, as the methods' do.
pasada_base() {
  case $1 in
    1) for _ in 1 2 3; do escribir 4096 $BLOQUES notrunc,fsync; done ;;  # three layers, each flushed
    2) dd if="$f" of="$f" bs=4096 conv=notrunc,fsync status=none ;;       # read a block, write it back
    3) for c in notrunc notrunc notrunc,fsync; do escribir 65536 $TROZOS $c; done ;;  # three writes per chunk
    4|5) escribir 4096 $BLOQUES notrunc,fsync ;;
  esac
}

printf '%-7s %7s %9s %9s %7s  %s\n' metodo pasadas nuestro base razon limite
for m in 1 2 3 4 5; do
  for p in 1 10; do
    fresco
    nuestro=$(wine build/BenchSobrescribir.exe "$m" "$p" "$win" | tr -d '\r')
    fresco
    a=$(ahora)
    for _ in $(seq "$p"); do pasada_base "$m"; done
    b=$(ahora)
    limite=2.0; [ "$m" = 4 ] && [ "$p" = 10 ] && limite=1.3
    awk -v m="$m" -v p="$p" -v n="$nuestro" -v a="$a" -v b="$b" -v l="$limite" 'BEGIN {
      base = (b - a) / 1e9; r = n / base
      printf "%-7s %7s %8.3fs %8.3fs %7.2f  %s %s\n", m, p, n, base, r, l, (r <= l ? "ok" : "SOBREPASADO") }'
  done
done
