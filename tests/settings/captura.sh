#!/usr/bin/env bash
# Screenshots of the options dialog over its marble, as shown and with ultra-fast ticked,
# left in <build>/capturas for a person to look at, with a few checks of what they show:
# the backdrop is marble (not a flat colour), the panels are white, and ultra-fast puts the
# methods panel out of sight.
# Usage: bash captura.sh <build folder>   (needs an X display and a running Wine server)
set -euo pipefail
build="$(cd "$1" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$build/wineprefix}" WINEDEBUG=-all LC_ALL=C.UTF-8
: "${DISPLAY:?an X display is needed}"
mkdir -p "$build/capturas"
fallos=0
comprobar() {  # comprobar "description" command...
  local que="$1"; shift
  if "$@"; then echo "ok: $que"; else echo "FALLO: $que"; fallos=$((fallos + 1)); fi
}
# Mean and standard deviation (0 to 1) of a rectangle of the client area: w h x y.
medir() { convert "$png" -crop "$1x$2+$(($3 + bx))+$(($4 + by))" +repage -colorspace Gray -format '%[fx:mean] %[fx:standard_deviation]' info:; }
marmol() { read -r m d <<<"$(medir "$@")"; awk -v m="$m" -v d="$d" 'BEGIN { exit !(m > 0.7 && m < 0.97 && d > 0.01) }'; }
blanco() { read -r m d <<<"$(medir "$@")"; awk -v m="$m" 'BEGIN { exit !(m > 0.99) }'; }

for caso in Opciones UltraRapido; do
  antes="$(xdotool search --onlyvisible --name 'Opciones de Trituradora' 2>/dev/null || true)"
  wine "$build/test_settings.exe" --gtest_also_run_disabled_tests --gtest_filter="DISABLED_Captura.$caso" \
    </dev/null >"$build/capturas/$caso.log" 2>&1 &
  prueba=$!
  id=""
  for _ in $(seq 100); do
    id="$(comm -13 <(echo "$antes" | sort) <(xdotool search --onlyvisible --name 'Opciones de Trituradora' 2>/dev/null | sort) | head -n1 || true)"
    [ -n "$id" ] && break
    sleep 0.2
  done
  [ -n "$id" ] || { echo "FALLO: the dialog did not appear ($caso)"; kill "$prueba"; exit 1; }
  sleep 0.7
  eval "$(xdotool getwindowgeometry --shell "$id")"
  png="$build/capturas/opciones_$caso.png"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$png"
  # The client area sits at the bottom centre of the window, inside its frame.
  bx=$(((WIDTH - 345) / 2)); by=$((HEIGHT - 564 - bx))
  comprobar "$caso: marble to the left of the panels" marmol 40 400 2 100
  comprobar "$caso: marble between the buttons" marmol 36 30 154 512
  comprobar "$caso: the context-menu panel is white" blanco 10 30 283 50
  if [ "$caso" = Opciones ]; then
    comprobar "$caso: the methods panel is white" blanco 20 100 275 200
    comprobar "$caso: the passes group is white" blanco 20 10 275 475
  else
    comprobar "$caso: marble where the methods panel was" marmol 200 100 70 200
  fi
  xdotool windowraise "$id" windowfocus --sync "$id"; sleep 0.2; xdotool key Escape
  wait "$prueba" || { echo "FALLO: the test program failed ($caso)"; fallos=$((fallos + 1)); }
done
echo "screenshots in $build/capturas"
[ "$fallos" -eq 0 ]
