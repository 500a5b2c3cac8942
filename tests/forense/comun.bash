# What the forensic and fault checks share: the settings stored for the program, the two ways
# to run a shred (the program on its command-line route, or the engine's run in the steps of
# test_forense.exe with the stored settings), loop-mounted ext4 images, a file held open by
# another program, and skipping.
# Usage: . comun.bash <build folder>   (with the display and Wine server of scripts/test.sh)
. "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.bash" "$(cd "$1" && pwd)"
export LC_ALL=C.UTF-8 WINEDEBUG=-all WINEPREFIX="${WINEPREFIX:-$build/wineprefix}"
: "${DISPLAY:?an X display is needed}"

# The settings that differ from the defaults reach a run through the registry values the
# options dialog loads. As long as the program does not load them, the runs that need them go
# through the engine step instead (see sonda_ajustes). Once the options dialog loads them,
# set this to 1: a program that then ignores the stored settings fails the checks.
ajustes_obligatorios=1

clave_ajustes='HKCU\Trituradora\Opciones'
bucles=()
montajes=()
retenedores=()
inmutables=()
habia_ajustes=0
if wine reg query 'HKCU\Trituradora' >/dev/null 2>&1; then
  habia_ajustes=1
  wine reg export 'HKCU\Trituradora' "$(winpath "$work")\\ajustes-previos.reg" /y >/dev/null 2>&1
fi

limpiar() {
  set +e
  for p in "${retenedores[@]}"; do kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; done
  [ -n "${prog:-}" ] && kill -0 "$prog" 2>/dev/null && { kill "$prog"; wait "$prog"; } 2>/dev/null
  for f in "${inmutables[@]}"; do chattr -i "$f" 2>/dev/null; done
  for ((i = ${#montajes[@]} - 1; i >= 0; i--)); do
    umount "${montajes[i]}" 2>/dev/null || umount -l "${montajes[i]}" 2>/dev/null
  done
  for b in "${bucles[@]}"; do losetup -d "$b" 2>/dev/null; done
  wine reg delete 'HKCU\Trituradora' /f >/dev/null 2>&1
  [ "$habia_ajustes" = 1 ] && wine reg import "$(winpath "$work")\\ajustes-previos.reg" >/dev/null 2>&1
  chmod -R u+rwX "$work" 2>/dev/null
  rm -rf --one-file-system "$work"
}
trap limpiar EXIT

# Ends the script as skipped: ctest counts exit code 77 as "not run", never as passed.
saltar() { echo "SKIP: $*"; exit 77; }

# The Windows path Wine gives a path below / (drive Z:).
zruta() { local p="$1"; printf 'Z:%s' "${p//\//\\}"; }

# ajustes "Name=value"...: the stored settings become the defaults with these values changed.
ajustes() {
  wine reg delete "$clave_ajustes" /f >/dev/null 2>&1
  local kv
  for kv in "$@"; do wine reg add "$clave_ajustes" /v "${kv%%=*}" /d "${kv#*=}" /f >/dev/null 2>&1; done
}

# Answers the confirmation with Enter, as often as it takes for the window to go away.
confirmar() {
  local id
  id=$(wait_window Confirmaci) || { echo "no confirmation window appeared"; return 1; }
  # A key is pressed only while that window is still up: one that went astray would reach the
  # progress window, where Enter presses Cancelar.
  for _ in 1 2 3 4 5; do
    xdotool search --onlyvisible --name Confirmaci 2>/dev/null | grep -qx "$id" || return 0
    press "$id" Return
    sleep 0.5
  done
  return 1
}

# Waits for the program started last to end, at most $espera_programa seconds (120 unless
# set); false, and the program ended, if it runs longer. When something was left, the program
# shows its report before it ends: it is closed with Enter, and its rows are kept in
# $work/informe.txt (empty when there was none).
esperar_programa() {
  local hasta=$((SECONDS + ${espera_programa:-120})) id vuelta=0
  : >"$work/informe.txt"
  while kill -0 "$prog" 2>/dev/null; do
    [ "$SECONDS" -lt "$hasta" ] || { kill "$prog" 2>/dev/null; wait "$prog" 2>/dev/null; return 1; }
    if [ $((vuelta++ % 5)) = 4 ]; then  # about once a second, to spare a busy machine
      id=$(xdotool search --onlyvisible --name "$report_caption" 2>/dev/null | head -n 1)
      if [ -n "$id" ]; then
        leer_informe >"$work/informe.txt"
        press "$id" Return
      fi
    fi
    sleep 0.2
  done
  wait "$prog" 2>/dev/null
  echo "$?" >"$work/programa.rc"
  return 0
}

# triturar_programa PATH...: the program on its command-line route, confirmed with Enter; waits
# for it to end. With "--y ACTION" first, ACTION (a shell command) runs once the progress
# window shows, while the run goes on.
triturar_programa() {
  local accion=""
  [ "${1:-}" = --y ] && { accion="$2"; shift 2; }
  start_program "$@"
  confirmar || { kill "$prog" 2>/dev/null; return 1; }
  if [ -n "$accion" ]; then
    ventana_progreso=$(wait_window '^Trituradora$') || ventana_progreso=""
    eval "$accion"
  fi
  esperar_programa || { echo "the program was still running after ${espera_programa:-120} s"; return 1; }
}

# triturar_motor PATH...: the engine's run with the stored settings; what it reports lands in
# $work/motor.txt and is read with motor KEY (motor queda gives one remaining item a line).
triturar_motor() {
  TRITURAR_RUTAS="$(printf '%s\n' "$@")" wine "$build/test_forense.exe" --gtest_also_run_disabled_tests \
    --gtest_filter=DISABLED_Pasos.Triturar </dev/null >"$work/motor.txt" 2>&1
}
motor() { sed -n "s/^motor: $1=//p" "$work/motor.txt" | tr -d '\r'; }

# Finds out whether the program loads the stored settings: with the finishing steps switched
# off there, a shredded file stays where it was; with the defaults it is deleted. Sets
# ruta_ajustes to "programa" or "motor", the route of every run that needs stored settings.
sonda_ajustes() {
  mkdir -p "$work/sonda"
  echo sonda >"$work/sonda/archivo"
  ajustes "Nº de pasadas=0" "Truncar el archivo=0" "Cambiar el nombre=0" "Cambiar la fecha=0" "Borrar=0"
  triturar_programa "$(zruta "$work/sonda/archivo")"
  if [ -e "$work/sonda/archivo" ]; then
    ruta_ajustes=programa
  else
    ruta_ajustes=motor
    echo "note: the program does not load the settings stored under $clave_ajustes yet;" \
         "runs with other settings go through the engine step of test_forense.exe"
    if [ "$ajustes_obligatorios" = 1 ]; then fails=$((fails + 1)); echo "FAILED: the program ignores the stored settings"; fi
  fi
  rm -rf "$work/sonda"
  ajustes
}

# triturar_con_ajustes PATH...: a run with the stored settings, by the route sonda_ajustes found.
triturar_con_ajustes() {
  if [ "$ruta_ajustes" = programa ]; then triturar_programa "$@"; else triturar_motor "$@"; fi
}

# The rows of the report the program shows at the moment, one a line.
leer_informe() {
  wine "$build/test_forense.exe" --gtest_also_run_disabled_tests --gtest_filter=DISABLED_Pasos.LeerInforme \
    </dev/null 2>/dev/null | sed -n 's/^motor: fila=//p' | tr -d '\r'
}

# retener FILE: another program holds the file open without sharing until soltar is called;
# false when it cannot open the file so.
retener() {
  : >"$work/retener.mientras"
  # Emptied here, before the holder starts: its own redirection happens in the background,
  # and a look at the file before it would find the previous holder's line.
  : >"$work/retener.txt"
  RETENER_RUTA="$(zruta "$1")" RETENER_MIENTRAS="$(zruta "$work/retener.mientras")" \
    wine "$build/test_forense.exe" --gtest_also_run_disabled_tests --gtest_filter=DISABLED_Pasos.Retener \
    </dev/null >"$work/retener.txt" 2>&1 &
  local p=$!
  retenedores+=("$p")
  for _ in $(seq 100); do
    grep -q '^motor: retenido=' "$work/retener.txt" 2>/dev/null && return 0
    kill -0 "$p" 2>/dev/null || break
    sleep 0.1
  done
  return 1
}
soltar() {
  rm -f "$work/retener.mientras"
  for p in "${retenedores[@]}"; do wait "$p" 2>/dev/null; done
  retenedores=()
}

# Skips unless loop-mounted ext4 images can be made here.
requiere_bucle() {
  [ "$(id -u)" = 0 ] || saltar "loop devices need root"
  for c in mkfs.ext4 losetup mount umount debugfs; do command -v "$c" >/dev/null || saltar "$c is missing"; done
  [ -e /dev/loop-control ] || ls /dev/loop[0-9]* >/dev/null 2>&1 || saltar "the kernel offers no loop device"
}

# imagen NAME MIB [mkfs.ext4 options...]: a fresh ext4 image with 4096-byte blocks, $work/NAME.img, attached to a loop
# device ($dispositivo) and mounted at $work/NAME.
imagen() {
  local nombre="$1" mib="$2"; shift 2
  rm -f "$work/$nombre.img"
  truncate -s "${mib}M" "$work/$nombre.img"
  mkfs.ext4 -q -F -b 4096 "$@" "$work/$nombre.img" || saltar "mkfs.ext4 failed"
  dispositivo=$(losetup --find --show "$work/$nombre.img" 2>/dev/null) || saltar "no free loop device"
  bucles+=("$dispositivo")
  mkdir -p "$work/$nombre"
  mount "$dispositivo" "$work/$nombre" || saltar "the image cannot be mounted"
  montajes+=("$work/$nombre")
}

# desmontar NAME: unmounts the image and detaches its loop device, so that the image file holds
# everything the file system wrote.
desmontar() {
  local punto="$work/$1" b
  sync
  umount "$punto" || return 1
  montajes=("${montajes[@]/$punto}")
  for b in $(losetup -j "$work/$1.img" -O NAME -n); do losetup -d "$b"; bucles=("${bucles[@]/$b}"); done
}

# montar NAME: attaches and mounts an image made by imagen again.
montar() {
  dispositivo=$(losetup --find --show "$work/$1.img") || return 1
  bucles+=("$dispositivo")
  mount "$dispositivo" "$work/$1" && montajes+=("$work/$1")
}
