#!/usr/bin/env bash
# The windows at 100%, 150% and 200% display scaling (Wine's LogPixels 96, 144, 192): the main
# window, the options dialog and a confirmation of three paths, left as screenshots in
# <build>/capturas for a person to look at. The program lays its windows out in 96-dpi pixels
# and leaves the scaling to the system, so each window has the same size at every setting:
# nothing of it grows on its own and overlaps or is cut off.
. "$(dirname "$0")/lib.bash" "$1"
mkdir -p "$build/capturas"
clave='HKCU\Control Panel\Desktop'
antes=$(wine reg query "$clave" /v LogPixels 2>/dev/null | tr -d '\r' | awk '/LogPixels/ {print $3}')
restaurar() {
  if [ -n "$antes" ]; then wine reg add "$clave" /v LogPixels /t REG_DWORD /d "$antes" /f >/dev/null 2>&1
  else wine reg delete "$clave" /v LogPixels /f >/dev/null 2>&1; fi
  chmod -R u+rwX "$work" 2>/dev/null; rm -rf "$work"
}
trap restaurar EXIT

# Size of a window and a screenshot of it: captura <window id> <file>; prints "w h", or
# "fuera" when the window does not lie wholly on the screen.
captura() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  sleep 0.5  # let it finish painting
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
  if [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 1280 ] && [ $((Y + HEIGHT)) -le 1024 ]; then
    echo "$WIDTH $HEIGHT"
  else
    echo fuera
  fi
}

declare -A tam
for dpi in 96 144 192; do
  wine reg add "$clave" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1

  start_program
  id=$(wait_window 'Trituradora de documentos')
  check "$dpi dpi: main window shown" test -n "$id"
  tam[principal$dpi]=$(captura "$id" "$build/capturas/escala_${dpi}_principal.png")
  check "$dpi dpi: main window closes" close_main "$id"

  wine "$build/test_settings.exe" --gtest_also_run_disabled_tests --gtest_filter=DISABLED_Captura.Opciones \
    </dev/null >/dev/null 2>&1 &
  prog=$!
  id=$(wait_window 'Opciones de Trituradora')
  check "$dpi dpi: options dialog shown" test -n "$id"
  tam[opciones$dpi]=$(captura "$id" "$build/capturas/escala_${dpi}_opciones.png")
  press "$id" Escape
  check "$dpi dpi: options dialog closes" wait_exit

  start_program 'C:\Mis documentos\informe anual.doc' 'C:\Mis documentos\cuentas 2025.xls' 'D:\copias\'
  id=$(wait_window 'Confirmaci')
  check "$dpi dpi: confirmation shown" test -n "$id"
  tam[confirmacion$dpi]=$(captura "$id" "$build/capturas/escala_${dpi}_confirmacion.png")
  press "$id" Escape
  check "$dpi dpi: confirmation answered" wait_exit
done

for dpi in 96 144 192; do
  for w in principal opciones confirmacion; do
    check "$dpi dpi: the $w window lies wholly on the screen" test "${tam[$w$dpi]}" != fuera
  done
done
# The confirmation has no frame, so its size is the program's own layout alone; the framed
# windows may differ only by the frame the system draws, a few pixels for a larger caption.
for dpi in 144 192; do
  check "$dpi dpi: the confirmation is as at 96 dpi (${tam[confirmacion$dpi]})" \
    test "${tam[confirmacion$dpi]}" = "${tam[confirmacion96]}"
  for w in principal opciones; do
    read -r w96 h96 <<<"${tam[${w}96]}"; read -r wd hd <<<"${tam[$w$dpi]}"
    check "$dpi dpi: the $w window is as at 96 dpi but for its frame ($wd x $hd)" \
      test $((wd - w96)) -ge 0 -a $((wd - w96)) -le 16 -a $((hd - h96)) -ge 0 -a $((hd - h96)) -le 40
  done
done
echo "screenshots in $build/capturas/escala_*.png"
finish
