#!/usr/bin/env bash
# The command-line route runs with the settings stored in the registry, as the options dialog
# leaves them: only methods 1 and 2 with one pass and every finishing step off leave the file
# in place holding method 2's byte for pass 1 (0x1C); ultra-fast then removes it all the same.
# The settings key is put back as it was.
. "$(dirname "$0")/lib.bash" "$1"
export LC_ALL=C.UTF-8
clave='HKCU\Trituradora'
copia="$work/trituradora.reg"
guardada=no
wine reg query "$clave" >/dev/null 2>&1 && wine reg export "$clave" "$(winpath "$copia")" /y >/dev/null 2>&1 && guardada=si
restaurar() {
  wine reg delete "$clave" /f >/dev/null 2>&1
  [ "$guardada" = si ] && wine reg import "$(winpath "$copia")" >/dev/null 2>&1
  chmod -R u+rwX "$work" 2>/dev/null; rm -rf "$work"
}
trap restaurar EXIT

poner() { wine reg add "$clave\\Opciones" /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1; }
wine reg delete "$clave" /f >/dev/null 2>&1
for v in "Usar Método nº1=1" "Usar Método nº2=1" "Usar Método nº3=0" "Usar Método nº4=0" "Usar Método nº5=0" \
         "Truncar el archivo=0" "Cambiar el nombre=0" "Cambiar la fecha=0" "Borrar=0" "Nº de pasadas=0" \
         "UltraRapido=0"; do
  poner "${v%%=*}" "${v#*=}"
done
check "settings stored" test "$(wine reg query "$clave\\Opciones" 2>/dev/null | grep -c REG_SZ)" -eq 11

shred_file() {  # runs the program on one file and confirms with Enter
  start_program "$(winpath "$1")"
  local id
  id=$(wait_window 'Confirmaci') && press "$id" Return
  wait_exit
}

mkdir -p "$work/datos"
archivo="$work/datos/informe.bin"
head -c 10000 /dev/zero | tr '\0' 'a' >"$archivo"
check "program ends after shredding" shred_file "$archivo"
check "with the finishing steps off the file keeps its name" test -f "$archivo"
check "and its size" test "$(stat -c %s "$archivo" 2>/dev/null)" = 10000
check "and holds method 2's byte of pass 1 only" \
  test "$(od -An -v -tx1 "$archivo" | tr -s ' \n' '\n' | grep -v '^$' | sort -u | tr '\n' ' ')" = "1c "

poner UltraRapido 1
check "program ends after the ultra-fast run" shred_file "$archivo"
check "ultra-fast removes the file although Borrar is off" test -z "$(ls -A "$work/datos")"

finish
