#!/usr/bin/env bash
# What was shredded cannot be read back from the disk. Files whose contents and names carry
# markers unique to this run are written to a small ext4 image (64 MiB, no journal, so that
# every copy of a name lies in the directory blocks themselves; one more run with a journal
# shows what its copies add). They are shredded on the mounted image, the image is unmounted
# and its raw bytes are searched: no content marker may be left, with the default settings and
# with each overwrite method alone. A plain delete must leave them all (the search can fail),
# and the ultra-fast mode, which truncates without overwriting, is reported as it is. A sibling
# folder on the same image must come through unchanged, its markers still readable.
# The default settings run through the program, confirmed with Enter; the others through the
# route that sonda_ajustes finds (see comun.bash).
. "$(dirname "$0")/comun.bash" "$1"
requiere_bucle

marca="FORENSE$(od -An -N4 -tx1 /dev/urandom | tr -d ' \n')"
# Content markers C1 to C6 (C1 is the 1-byte file's, see poblar), name markers N1 to N6 of the
# same files, folder-name markers D1 to D3; S1, S2 belong to the sibling folder.
contenidos="C1 C2 C3 C4 C5 C6"
nombres="N1 N2 N3 N4 N5 N6"
carpetas="D1 D2 D3"

# rellenar FILE BYTES MARKER: the marker, a line at a time, up to the size.
rellenar() { yes "$marca$3Z" | head -c "$2" >"$1"; }

# poblar ROOT: the chosen folder (nested three deep) with files of 1, 100, 4096, 4097 bytes and
# 3 MiB, a loose file of 10,000 bytes, and the sibling folder. A single byte cannot carry a
# marker of its own, so C1 is written into the unused rest of that file's block, straight on
# the image: it is gone only if the file's block was written again.
poblar() {
  local r="$1"
  elegida="$r/elegida-${marca}D1Z"
  local sub="$elegida/sub-${marca}D2Z" honda="$elegida/sub-${marca}D2Z/honda-${marca}D3Z"
  mkdir -p "$honda" "$r/ajena"
  printf 'Q' >"$elegida/uno-${marca}N1Z.txt"
  rellenar "$elegida/chico-${marca}N2Z.txt" 100 C2
  rellenar "$sub/bloque-${marca}N3Z.bin" 4096 C3
  rellenar "$sub/bloque-mas-uno-${marca}N4Z.bin" 4097 C4
  rellenar "$honda/grande-${marca}N5Z.bin" $((3 << 20)) C5
  suelto="$r/suelto-${marca}N6Z.txt"
  rellenar "$suelto" 10000 C6
  rellenar "$r/ajena/conservar-${marca}S2Z.txt" 5000 S1
  sync
}

# plantar NAME: writes C1 after the 1-byte file's single byte, on the unmounted image.
plantar() {
  local bloque
  bloque=$(debugfs -R "bmap /elegida-${marca}D1Z/uno-${marca}N1Z.txt 0" "$dispositivo" 2>/dev/null)
  [[ "$bloque" =~ ^[0-9]+$ ]] && [ "$bloque" -gt 0 ] || { echo "no block for the 1-byte file"; return 1; }
  desmontar "$1"
  printf '%sC1Z' "$marca" | dd of="$work/$1.img" bs=1 seek=$((bloque * 4096 + 1)) conv=notrunc status=none
  montar "$1"
}

# contar NAME: how often each marker occurs in the raw image, as "MARKER COUNT" lines.
contar() { grep -a -o -E "${marca}[CNDS][0-9]+Z" "$work/$1.img" | sed "s/^$marca//; s/Z$//" | sort | uniq -c |
           awk '{ print $2, $1 }' >"$work/$1.cuenta"; }
veces() { awk -v m="$2" '$1 == m { n = $2 } END { print n + 0 }' "$work/$1.cuenta"; }
lista_veces() { local m out=""; for m in $2; do out+="$m=$(veces "$1" "$m") "; done; echo "${out% }"; }
suma() { local m n=0; for m in $2; do n=$((n + $(veces "$1" "$m"))); done; echo $n; }

# caso NAME ROUTE [mkfs options]: one run from a fresh image to the count. ROUTE is programa,
# ajustes (the stored settings' route), motor (the engine step with the stored settings taken
# as they are, so that a method can run alone: the options dialog keeps method 1 on) or
# borrado (a plain recursive delete).
caso() {
  local nombre="$1" ruta="$2"; shift 2
  imagen "$nombre" 64 "$@"
  local raiz="$work/$nombre"
  poblar "$raiz"
  plantar "$nombre" || { check "$nombre: the 1-byte file's block is known" false; desmontar "$nombre"; return; }
  local antes; antes=$(tree_hash "$raiz/ajena")
  case "$ruta" in
    programa) triturar_programa "$(zruta "$elegida")" "$(zruta "$suelto")" ;;
    ajustes) triturar_con_ajustes "$(zruta "$elegida")" "$(zruta "$suelto")"; ruta=$ruta_ajustes ;;
    motor) triturar_motor "$(zruta "$elegida")" "$(zruta "$suelto")" ;;
    borrado) rm -rf "$elegida" "$suelto" ;;
  esac
  check "$nombre: the chosen folder and the loose file are gone" test ! -e "$elegida" -a ! -e "$suelto"
  check "$nombre: the sibling folder is unchanged" test "$antes" = "$(tree_hash "$raiz/ajena")"
  desmontar "$nombre" || check "$nombre: the image can be unmounted" false
  contar "$nombre"
  check "$nombre: the sibling's markers are still on the disk" test "$(veces "$nombre" S1)" -gt 0 -a "$(veces "$nombre" S2)" -gt 0
  printf 'forense: %-22s %-8s contents left: %s | names left: %s | folder names left: %s\n' "$nombre" "$ruta" \
    "$(lista_veces "$nombre" "$contenidos")" "$(lista_veces "$nombre" "$nombres")" "$(lista_veces "$nombre" "$carpetas")"
  rm -f "$work/$nombre.img"
}

sin_diario=(-O ^has_journal)

# The check can fail: a plain delete leaves every content marker on the disk.
caso borrado borrado "${sin_diario[@]}"
for m in $contenidos; do
  check "plain delete: $m is still on the disk" test "$(veces borrado "$m")" -gt 0
done

ajustes
caso predeterminado programa "${sin_diario[@]}"
check "default settings: no content marker is left" test "$(suma predeterminado "$contenidos")" -eq 0
caso predeterminado-diario programa
check "default settings, with a journal: no content marker is left" test "$(suma predeterminado-diario "$contenidos")" -eq 0

sonda_ajustes
for m in 1 2 3 4 5; do
  valores=("Nº de pasadas=0")
  for n in 1 2 3 4 5; do valores+=("Usar Método nº$n=$([ "$n" = "$m" ] && echo 1 || echo 0)"); done
  ajustes "${valores[@]}"
  caso "metodo$m" motor "${sin_diario[@]}"
  check "method $m alone, 1 pass: no content marker is left" test "$(suma "metodo$m" "$contenidos")" -eq 0
done

# Ultra-fast mode truncates, renames and deletes without overwriting: what it leaves is
# reported, not judged.
ajustes "UltraRapido=1"
caso ultrarrapido ajustes "${sin_diario[@]}"
echo "forense: ultra-fast mode leaves $(suma ultrarrapido "$contenidos") content markers of the" \
     "$(suma borrado "$contenidos") a plain delete leaves"

finish
