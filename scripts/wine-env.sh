# Sourced by the run and test scripts: a private Wine prefix inside the build folder,
# an X display (Xvfb when none is given), and a Wine server started with every stream
# closed, so that test runners do not wait on its inherited pipes.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="$root/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8
xvfb_pid=""
start_display() {
  if [ -z "${DISPLAY:-}" ] || [ "${1:-}" = "--own" ]; then
    for n in $(seq 90 120); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { disp=":$n"; break; }
    done
    Xvfb "$disp" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY="$disp"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; [ -e "/tmp/.X11-unix/X${disp#:}" ] && break; sleep 0.1; done
    sleep 0.3
  fi
}
# start_wine [managed|unmanaged]: unmanaged windows are left alone by any window manager,
# which spares the tests Wine's wait for a manager's answer each time a window hides.
start_wine() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1 || true
    wineserver -w
  fi
  wineserver -p </dev/null >/dev/null 2>&1
  local managed=Y
  [ "${1:-managed}" = unmanaged ] && managed=N
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f </dev/null >/dev/null 2>&1 || true
  # Under test, addresses the program opens go to /bin/true instead of a browser.
  if [ "$managed" = N ]; then
    wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d true /f </dev/null >/dev/null 2>&1 || true
  else
    wine reg delete 'HKCU\Software\Wine\WineBrowser' /v Browsers /f </dev/null >/dev/null 2>&1 || true
  fi
}
stop_all() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
}
