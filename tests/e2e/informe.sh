#!/usr/bin/env bash
# The command-line route when an item cannot be shredded: a folder in which another program
# holds one file open without sharing. The other files go and the held file stays byte for
# byte; before the program ends a report names the folder with the reason, the file in use;
# Enter closes it and the program ends. A screenshot of the report is left in <build>/capturas.
. "$(dirname "$0")/../forense/comun.bash" "$1"

c="$work/carpeta"
mkdir -p "$c/sub"
echo uno >"$c/uno.txt"; head -c 70000 /dev/urandom >"$c/sub/dos.bin"; head -c 5000 /dev/urandom >"$c/retenido.doc"
cp "$c/retenido.doc" "$work/retenido.antes"
retener "$c/retenido.doc" || { check "another program can hold a file open without sharing" false; finish; exit; }

start_program "$(zruta "$c")"
check "the confirmation is answered" confirmar
id=$(wait_report)
check "a report is shown before the program ends" test -n "$id"
if [ -n "$id" ]; then
  sleep 0.5
  mkdir -p "$build/capturas"
  eval "$(xdotool getwindowgeometry --shell "$id")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$build/capturas/informe.png"
  # A line too wide for the screen goes on in the next row: the rows are read as one text.
  filas=$(leer_informe | tr -d '\n')
  echo "report: $filas"
  check "the report names the folder" grep -qF "$(zruta "$c")" <<<"$filas"
  check "and why: a file in it is in use by another program" \
    grep -qF "$(zruta "$c"): quedan elementos dentro (en uso por otro programa)" <<<"$filas"
  press "$id" Return
  check "Enter closes the report" bash -c "sleep 1; ! xdotool search --onlyvisible --name '$report_caption' >/dev/null 2>&1"
fi
check "the program ends" wait_exit
soltar
check "the other files are gone" test ! -e "$c/uno.txt" -a ! -e "$c/sub"
check "the held file is byte-identical" cmp -s "$c/retenido.doc" "$work/retenido.antes"

finish
