#!/usr/bin/env bash
# A full disk while method 4 or method 5 grows a file. Growing into the unused rest of a file's
# last block needs no room; growing over blocks that are not on the disk yet does: the file
# here holds 4096 bytes of data and then a hole up to 10,000 bytes, and the method writes it
# to 12,288. On a small ext4 image filled to its last block it is shredded with that method
# alone (1 pass), beside a second chosen file that needs no room. The growing file answers
# false and stays in the list; the other item is still shredded; the filler and the sibling
# folder are unchanged; and the data the growing file held is not left on the disk.
# The run's answer is needed, so it goes through the engine step with the stored settings.
. "$(dirname "$0")/comun.bash" "$1"
requiere_bucle

marca="LLENO$(od -An -N4 -tx1 /dev/urandom | tr -d ' \n')"
for m in 4 5; do
  nombre="lleno$m"
  imagen "$nombre" 16 -O ^has_journal -m 0
  d="$work/$nombre"
  mkdir -p "$d/elegida" "$d/ajena"
  yes "${marca}C${m}Z" | head -c 4096 >"$d/elegida/crece.bin"
  truncate -s 10000 "$d/elegida/crece.bin"
  yes otro | head -c 4096 >"$d/elegida/otro.bin"
  echo "no se toca" >"$d/ajena/dato.txt"
  dd if=/dev/zero of="$d/ajena/relleno.bin" bs=4096 status=none 2>/dev/null
  sync
  dd if=/dev/zero of="$d/ajena/resto.bin" bs=512 status=none 2>/dev/null  # what the first left
  sync
  libre=$(df --output=avail -B1 "$d" | tail -n1 | tr -d ' ')
  antes=$(tree_hash "$d/ajena")

  valores=("Nº de pasadas=0")
  for n in 1 2 3 4 5; do valores+=("Usar Método nº$n=$([ "$n" = "$m" ] && echo 1 || echo 0)"); done
  ajustes "${valores[@]}"
  triturar_motor "$(zruta "$d/elegida/otro.bin")" "$(zruta "$d/elegida/crece.bin")"
  ajustes

  check "method $m, disk full ($libre bytes free): the run answers false" test "$(motor respuesta)" = 0
  check "method $m, disk full: only the growing file stays in the list" \
    test "$(motor quedan)" = 1 -a "$(motor queda)" = "$(zruta "$d/elegida/crece.bin")"
  check "method $m, disk full: the other item is still shredded" test ! -e "$d/elegida/otro.bin"
  check "method $m, disk full: the reason is \"disco lleno\"" test "$(motor motivo)" = "$(zruta "$d/elegida/crece.bin"): disco lleno"
  check "method $m, disk full: the filler and the sibling folder are unchanged" test "$antes" = "$(tree_hash "$d/ajena")"
  quedo=$(ls -A "$d/elegida" | tr '\n' ' ')
  desmontar "$nombre"
  restos=$(grep -a -o -F "${marca}C${m}Z" "$work/$nombre.img" | wc -l)
  check "method $m, disk full: none of the growing file's contents is left on the disk ($restos found)" test "$restos" -eq 0
  echo "disco lleno: method $m: left in the chosen folder: ${quedo:-nothing}; contents left on the disk: $restos"
  rm -f "$work/$nombre.img"
done

finish
