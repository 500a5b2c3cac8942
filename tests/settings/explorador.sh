#!/usr/bin/env bash
# From Explorer to the shredder: installs the context-menu entries for the built program,
# runs the file entry's stored command as Explorer would (with %1 replaced by one file's
# path), answers the confirmation with Enter as a person would, and checks that exactly
# that file was shredded. The entries are removed again at the end.
# Usage: bash explorador.sh <build folder>   (needs an X display and a running Wine server)
set -euo pipefail
build="$(cd "$1" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$build/wineprefix}" WINEDEBUG=-all LC_ALL=C.UTF-8
: "${DISPLAY:?an X display is needed}"

work="$(mktemp -d)"
mkdir "$work/datos" "$work/lanzador"
objetivo="$work/datos/archivo de prueba.txt"
vecino="$work/datos/vecino.txt"
head -c 70000 /dev/urandom >"$objetivo"
echo "no se toca" >"$vecino"
confirmaciones() { xdotool search --onlyvisible --name 'Confirmaci' 2>/dev/null || true; }
# The confirmation window that appeared since the program was started.
ventana() { comm -13 <(echo "$antes" | sort) <(confirmaciones | sort) | head -n1 || true; }
# Without a window manager a window gets the keys only once it is on top and focused.
teclear() { xdotool windowraise "$1" windowfocus --sync "$1"; sleep 0.2; xdotool key "$2"; }
existe() { wine reg query "$1" >/dev/null 2>&1; }
falla() { echo "FALLO: $*" >&2; exit 1; }
pasos() { wine "$build/test_settings.exe" --gtest_also_run_disabled_tests --gtest_filter="DISABLED_Explorador.$1" >/dev/null; }

# The parent keys that the entries bring along go again if they were not there before.
padres=()
for clave in 'HKCU\Software\Classes\*' 'HKCU\Software\Classes\Directory'; do existe "$clave" || padres+=("$clave"); done
lanzado=""
antes=""
limpiar() {
  set +e
  if [ -n "$lanzado" ] && kill -0 "$lanzado" 2>/dev/null; then  # still asking: answer Cancel
    id="$(ventana)"
    [ -n "$id" ] && teclear "$id" Escape
    for _ in $(seq 100); do kill -0 "$lanzado" 2>/dev/null || break; sleep 0.1; done
  fi
  pasos Desinstalar || true
  for clave in "${padres[@]}"; do wine reg delete "$clave" /f >/dev/null 2>&1 || true; done
  rm -rf "$work"
}
trap limpiar EXIT

pasos InstalarParaTrituradora || falla "the entries could not be installed"
orden="$(wine reg query 'HKCU\Software\Classes\*\shell\Trituradora de archivo\command' /ve | tr -d '\r' |
         sed -n 's/^ *([^)]*) *REG_SZ *//p')"
[[ "$orden" =~ ^\"[A-Z]:\\.*\\Trituradora\.exe\"\ \"%1\"$ ]] || falla "unexpected command: $orden"

# Explorer puts the item's Windows path in place of %1 and starts the command line as it is.
ruta="Z:${objetivo//\//\\}"
linea="${orden//"%1"/"$ruta"}"
printf '%s\r\n' "$linea" >"$work/lanzador/explorador.bat"
antes="$(confirmaciones)"
wine cmd /c "Z:${work//\//\\}\\lanzador\\explorador.bat" </dev/null >"$work/lanzador/salida.txt" 2>&1 &
lanzado=$!

id=""
for _ in $(seq 300); do id="$(ventana)"; [ -n "$id" ] && break; sleep 0.1; done
[ -n "$id" ] || falla "no confirmation window appeared"
teclear "$id" Return
for _ in $(seq 600); do kill -0 "$lanzado" 2>/dev/null || break; sleep 0.1; done
kill -0 "$lanzado" 2>/dev/null && falla "the program did not end after the confirmation"
lanzado=""

[ ! -e "$objetivo" ] || falla "the chosen file is still there"
[ "$(ls -A "$work/datos")" = "vecino.txt" ] || falla "the folder holds: $(ls -A "$work/datos")"
[ "$(cat "$vecino")" = "no se toca" ] || falla "the file next to it was changed"

pasos Desinstalar || falla "the entries could not be removed"
! existe 'HKCU\Software\Classes\*\shell\Trituradora de archivo' || falla "the file entry is still installed"
! existe 'HKCU\Software\Classes\Directory\shell\Trituradora de carpeta' || falla "the folder entry is still installed"
echo "ok: shredded from the Explorer command: $linea"
