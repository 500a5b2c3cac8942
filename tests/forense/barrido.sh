#!/usr/bin/env bash
# Nothing lost, nothing outside touched: the program on its command-line route (confirmed with
# Enter, default settings) against links, files it may not open, awkward names and paths,
# cancels and other programs acting between passes and between items; with the stored
# settings, a folder of 10,000 files and a file over 4 GiB. A folder beside every case is
# hashed before and after each one and must never change. The run's own answer and list for
# these faults are checked by test_forense.exe (BarridoTest.cpp); here it is the disk.
. "$(dirname "$0")/comun.bash" "$1"

ajena="$work/ajena"
mkdir -p "$ajena/sub/honda"
echo "no se toca" >"$ajena/dato.txt"
head -c 70000 /dev/urandom >"$ajena/sub/binario.bin"
echo oculto >"$ajena/.oculto"
echo hondo >"$ajena/sub/honda/fondo.txt"
hash_ajena=$(tree_hash "$ajena")

tabla=()
# informe CASE OUTCOME LEFT: one row of the closing table; also checks the sibling folder.
informe() {
  check "$1: the folder beside it is unchanged" test "$hash_ajena" = "$(tree_hash "$ajena")"
  tabla+=("$1|$2|$3")
}
# es FILE TEXT: FILE holds exactly TEXT.
es() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }
ajustes

# --- Links: inside the chosen folder, pointing outside, in a loop, broken; and chosen ones.
e="$work/enlaces"
mkdir -p "$e/elegida"
echo propio >"$e/elegida/propio.txt"
ln -s "$ajena/sub" "$e/elegida/enlace-carpeta"
ln -s "$ajena/dato.txt" "$e/elegida/enlace-archivo.txt"
ln -s "$e/elegida" "$e/elegida/bucle"
ln -s "$e/elegida/ciclo-b" "$e/elegida/ciclo-a"
ln -s "$e/elegida/ciclo-a" "$e/elegida/ciclo-b"
ln -s "$e/no-existe" "$e/elegida/roto"
ln -s "$ajena/dato.txt" "$e/enlace-elegido.txt"
ln -s "$ajena/sub" "$e/carpeta-elegida"
triturar_programa "$(zruta "$e/elegida")" "$(zruta "$e/enlace-elegido.txt")" "$(zruta "$e/carpeta-elegida")"
check "links: the folder's own file is shredded" test ! -e "$e/elegida/propio.txt"
for l in enlace-carpeta enlace-archivo.txt bucle ciclo-a ciclo-b roto; do
  check "links: $l is left as it was" test -L "$e/elegida/$l"
done
check "links: the chosen links are left as they were" test -L "$e/enlace-elegido.txt" -a -L "$e/carpeta-elegida"
informe "links inside and chosen" "own file shredded; no link followed, deleted or walked" \
  "the chosen folder with its 6 links; the 2 chosen links"

# --- Read-only folders and files (the program clears the attribute and shreds them).
r="$work/solo-lectura"
mkdir -p "$r/elegida/sub"
echo a >"$r/elegida/ro.txt"; echo b >"$r/elegida/sub/ro2.txt"; echo c >"$r/elegida/libre.txt"
chmod 444 "$r/elegida/ro.txt" "$r/elegida/sub/ro2.txt"; chmod 555 "$r/elegida/sub" "$r/elegida"
triturar_programa "$(zruta "$r/elegida")"
check "read-only: the folder and its files are shredded" test ! -e "$r/elegida"
informe "read-only folder and files" "shredded" "nothing"

# --- Files the program may not open: held open without sharing by another program, and
# immutable (not even root may write it).
s="$work/sin-acceso"
mkdir -p "$s/elegida"
echo libre >"$s/elegida/libre.txt"; echo retenido >"$s/elegida/retenido.txt"; echo inmutable >"$s/elegida/inmutable.txt"
inmutable=0
chattr +i "$s/elegida/inmutable.txt" 2>/dev/null && { inmutable=1; inmutables+=("$s/elegida/inmutable.txt"); }
if retener "$s/elegida/retenido.txt"; then
  triturar_programa "$(zruta "$s/elegida")"
  soltar
  check "held open: the free file is shredded" test ! -e "$s/elegida/libre.txt"
  check "held open: the held file is untouched" es "$s/elegida/retenido.txt" retenido
  [ "$inmutable" = 1 ] && check "immutable: the file is untouched" es "$s/elegida/inmutable.txt" inmutable
  informe "file held without sharing; immutable file" "both left untouched; the others shredded" \
    "the folder with the held and the immutable file"
else
  check "another program can hold a file open without sharing" false
fi
[ "$inmutable" = 1 ] || echo "note: chattr +i is not available here; the immutable file was not tried"

# --- Names: accents, ñ, CJK, emoji; a trailing dot or blank; device names. Each chosen name
# has a look-alike beside it that must stay: the name without its dot or blank.
n="$work/nombres"
mkdir -p "$n/unicode-ñ" "$n/carpeta" "$n/carpeta."
for f in "acentuación-ñandú.txt" "日本語のファイル.txt" "emoji-😀🗑️.txt" "fin." "fin " "con.txt" "aux" "nul" "COM1.log"; do
  echo "elegido: $f" >"$n/unicode-ñ/$f"
done
for f in "fin." "fin " "prn.txt" "lpt1"; do echo "en carpeta.: $f" >"$n/carpeta./$f"; done
echo "informe sin punto" >"$n/informe"; echo "el elegido" >"$n/informe."
echo "hoja sin blanco" >"$n/hoja"; echo "la elegida" >"$n/hoja "
echo "en carpeta sin punto" >"$n/carpeta/dentro.txt"
echo "no es la consola" >"$n/con.txt"; echo "no es un puerto" >"$n/aux"
parecidos=$(cd "$n" && sha1sum informe hoja carpeta/dentro.txt)
triturar_programa "$(zruta "$n/unicode-ñ")" "$(zruta "$n/informe.")" "$(zruta "$n/hoja ")" \
  "$(zruta "$n/carpeta.")" "$(zruta "$n/con.txt")" "$(zruta "$n/aux")"
check "names: every chosen item is shredded" test -z "$(cd "$n" && ls -A | grep -vx -e informe -e hoja -e carpeta)"
check "names: the look-alikes beside them are untouched" test "$parecidos" = "$(cd "$n" && sha1sum informe hoja carpeta/dentro.txt)"
informe "names: accents, CJK, emoji, trailing dot/blank, devices" "all shredded as written" \
  "only the look-alikes informe, hoja, carpeta/"

# --- Long paths: over 260 and over 1,000 characters inside the chosen folder, a chosen file
# whose own path is over 260, and a folder 100 levels deep.
l="$work/largas"
p="$l/elegida"
while [ ${#p} -lt 300 ]; do p="$p/carpeta-con-un-nombre-largo-para-pasar-de-260"; done
mkdir -p "$p"; echo x >"$p/tras-260.txt"
p="$l/elegida/b"
while [ ${#p} -lt 1100 ]; do p="$p/$(printf 'n%.0s' $(seq 200))"; done
mkdir -p "$p"; echo y >"$p/tras-1000.txt"
p="$l/fuera"
while [ ${#p} -lt 280 ]; do p="$p/otra-carpeta-con-un-nombre-largo"; done
mkdir -p "$p"; echo z >"$p/elegido-largo.txt"
largo="$p/elegido-largo.txt"
p="$l/honda"
for i in $(seq 100); do p="$p/nivel-$i"; done
mkdir -p "$p"; echo fondo >"$p/fondo.txt"
triturar_programa "$(zruta "$l/elegida")" "$(zruta "$largo")" "$(zruta "$l/honda")"
check "long paths: the folder with paths over 260 and 1,000 characters is shredded" test ! -e "$l/elegida"
check "long paths: the chosen file with a path of ${#largo} characters is shredded, its folder kept" \
  test ! -e "$largo" -a -d "$(dirname "$largo")"
check "long paths: the folder 100 levels deep is shredded" test ! -e "$l/honda"
informe "paths over 260 and 1,000 chars; 100 levels deep" "all shredded" "the unchosen folders above the long file"

# --- Cancel during a folder walk: the files not yet shredded are left exactly as they were,
# the loose item after it is not reached.
c="$work/cancelar-carpeta"
mkdir -p "$c/elegida"
for i in $(seq 300); do printf 'archivo %03d\n' "$i" >"$c/elegida/f$i"; done
echo suelto >"$c/suelto.txt"
# Cancelar is pressed once the walk has taken its first file: a fixed wait could outlast the
# whole walk on a fast disk.
tomada() { for _ in $(seq 400); do [ "$(find "$c/elegida" -name "f*" | wc -l)" -lt 300 ] && return 0; sleep 0.05; done; return 1; }
triturar_programa --y 'tomada; press "$ventana_progreso" Escape' "$(zruta "$c/suelto.txt")" "$(zruta "$c/elegida")"
quedan=0; cambiados=0
for i in $(seq 300); do
  [ -e "$c/elegida/f$i" ] || continue
  quedan=$((quedan + 1))
  es "$c/elegida/f$i" "$(printf 'archivo %03d' "$i")" || cambiados=$((cambiados + 1))
done
check "cancel in a walk: the item not reached is untouched" es "$c/suelto.txt" suelto
check "cancel in a walk: the walk stopped ($quedan of 300 files left)" test "$quedan" -gt 0
check "cancel in a walk: the files left are untouched but at most the one in hand ($cambiados changed)" test "$cambiados" -le 1
informe "cancel during a folder walk" "$((300 - quedan)) shredded, then stopped" \
  "$quedan files ($cambiados overwritten in place), the folder, the unreached item"

# --- Cancel during a pass: that file is overwritten as far as the pass went and kept under
# its name and size; the item after it is not reached.
c="$work/cancelar-pasada"
mkdir -p "$c"
yes GRANDE | head -c $((64 << 20)) >"$c/grande.bin"
echo suelto >"$c/suelto.txt"
# empezado FILE: waits (up to 10 s) until the file's first bytes are no longer its own.
empezado() { for _ in $(seq 100); do [ "$(head -c 6 "$1" 2>/dev/null | tr -d '\0')" != GRANDE ] && return 0; sleep 0.1; done; return 1; }
triturar_programa --y 'empezado "$c/grande.bin"; press "$ventana_progreso" Escape' \
  "$(zruta "$c/suelto.txt")" "$(zruta "$c/grande.bin")"
check "cancel in a pass: the file is kept under its name and size" test "$(stat -c %s "$c/grande.bin" 2>/dev/null)" = $((64 << 20))
check "cancel in a pass: the item not reached is untouched" es "$c/suelto.txt" suelto
restos=$(grep -c GRANDE "$c/grande.bin" 2>/dev/null)
informe "cancel during a pass" "file stopped, kept" "the file under its name ($restos of its lines readable), the unreached item"

# --- Between items: while the first item is shredded, another program deletes one of the
# next items, replaces another and holds a third open.
b="$work/entre-elementos"
mkdir -p "$b"
yes GRANDE | head -c $((64 << 20)) >"$b/grande.bin"
echo borrar >"$b/borrar.txt"; echo reemplazar >"$b/reemplazar.txt"; echo retener >"$b/retener.txt"
accion='rm "$b/borrar.txt"; echo nuevo >"$b/nuevo.txt"; mv "$b/nuevo.txt" "$b/reemplazar.txt"; retener "$b/retener.txt"'
triturar_programa --y "$accion" "$(zruta "$b/retener.txt")" "$(zruta "$b/reemplazar.txt")" \
  "$(zruta "$b/borrar.txt")" "$(zruta "$b/grande.bin")"
soltar
check "between items: the first item is shredded" test ! -e "$b/grande.bin"
check "between items: the held item is untouched" es "$b/retener.txt" retener
# The item is the file that was chosen; another file put under its name is somebody's new file.
check "between items: what replaced an item before it was reached is left alone" es "$b/reemplazar.txt" nuevo
check "between items: nothing appeared where the deleted item was" test ! -e "$b/borrar.txt"
informe "item deleted / replaced / held before it is reached" \
  "deleted: skipped; replaced: the replacement left alone; held: untouched" "the held item, the replacement"

# --- Between passes: another program replaces or deletes the file being overwritten; method 1
# holds it, so no other program can take it meanwhile.
b="$work/entre-pasadas"
mkdir -p "$b"
yes GRANDE | head -c $((64 << 20)) >"$b/grande.bin"
accion='empezado "$b/grande.bin"; echo nuevo >"$b/nuevo.txt"; mv "$b/nuevo.txt" "$b/grande.bin"'
triturar_programa --y "$accion" "$(zruta "$b/grande.bin")"
check "between passes: the file that replaced it is left alone" es "$b/grande.bin" nuevo
check "between passes: nothing else appears in the folder" test "$(ls -A "$b")" = grande.bin
rm -f "$b/grande.bin"
yes GRANDE | head -c $((64 << 20)) >"$b/grande.bin"
triturar_programa --y 'empezado "$b/grande.bin"; rm "$b/grande.bin"' "$(zruta "$b/grande.bin")"
check "between passes: a deleted file leaves nothing behind" test -z "$(ls -A "$b")"
yes GRANDE | head -c $((64 << 20)) >"$b/grande.bin"
tomado=no
triturar_programa --y 'empezado "$b/grande.bin"; retener "$b/grande.bin" && tomado=yes; soltar' "$(zruta "$b/grande.bin")"
check "between passes: no other program can take the file from method 1" test "$tomado" = no
check "between passes: the file is then shredded to its end" test ! -e "$b/grande.bin"
informe "file replaced / deleted / locked between passes" \
  "replacement left alone; deletion: nothing left; lock refused while method 1 holds it" "the replacing file"

# --- A folder of 10,000 small files (100 folders of 100), with the stored settings at 1 pass.
# On a tmpfs when one can be mounted here: 40,000 flushes are not this test's subject.
sonda_ajustes
m="$work/muchos"
mkdir -p "$m"
[ "$(id -u)" = 0 ] && mount -t tmpfs -o size=256m tmpfs "$m" 2>/dev/null && montajes+=("$m")
for d in $(seq 100); do mkdir -p "$m/elegida/c$d"; for i in $(seq 100); do echo "archivo $d-$i" >"$m/elegida/c$d/f$i"; done; done
ajustes "Nº de pasadas=0"
t0=$(date +%s.%N)
# Its speed is a benchmark's subject (bench/triturar_muchos.sh), not this check's: it may take
# a few minutes on a busy machine.
espera_programa=600 triturar_con_ajustes "$(zruta "$m/elegida")"
t1=$(date +%s.%N)
check "10,000 files: every one is shredded and every folder removed" test ! -e "$m/elegida"
informe "10,000 small files" "all shredded ($(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.0f", 10000 / (b - a) }') files/s, $ruta_ajustes route, 1 pass)" "nothing"

# --- A sparse file over 4 GiB, method 4 alone for 1 pass with every finishing step off, so that
# the result can be looked at: its size, the totals and progress shown, written to its end.
g="$work/grande"
mkdir -p "$g"
tam=$(((4 << 30) + 12345))
truncate -s "$tam" "$g/grande.bin"
for o in 0 $(((2 << 30) - 3)) $(((4 << 30) - 3)) $(((4 << 30) + 5000)) $((tam - 6)); do
  printf 'MARCA!' | dd of="$g/grande.bin" bs=1 seek="$o" conv=notrunc status=none
done
ajustes "Usar Método nº1=0" "Usar Método nº4=1" "Nº de pasadas=0" "Truncar el archivo=0" "Cambiar el nombre=0" \
  "Cambiar la fecha=0" "Borrar=0"
triturar_motor "$(zruta "$g/grande.bin")"
ajustes
check "over 4 GiB: the run answers true" test "$(motor respuesta)" = 1
check "over 4 GiB: the total is the whole size in KB" test "$(motor total)" = "Tamaño total: $((tam >> 10)) Kb.  Archivo nº "
check "over 4 GiB: one file of one" test "$(motor archivos)" = 1/1
check "over 4 GiB: the bar ends at method 4's single pass" test "$(motor progreso)" = 4/4 -a "$(motor pasada)" = "1 de 1"
check "over 4 GiB: the size grows to the next whole block" test "$(stat -c %s "$g/grande.bin")" = $(((tam + 4095) / 4096 * 4096))
fin=""
for o in 0 $(((2 << 30) - 3)) $(((4 << 30) - 3)) $(((4 << 30) + 5000)) $((tam - 6)) $(((tam + 4095) / 4096 * 4096 - 8)); do
  fin+=$(dd if="$g/grande.bin" bs=1 skip="$o" count=6 status=none | od -An -tx1 | tr -d ' \n')
done
check "over 4 GiB: every marked place, past 2 and 4 GiB and at the end, holds 0xFF" test "$fin" = "$(printf 'ff%.0s' $(seq 36))"
rm -f "$g/grande.bin"
informe "sparse file of 4 GiB + 12,345 bytes (method 4, 1 pass)" "size, totals, progress right; overwritten to its end" \
  "the file (finishing off), then removed by the test"

echo
echo "barrido: case | outcome | left on disk"
for fila in "${tabla[@]}"; do echo "barrido: ${fila//|/ | }"; done
finish
