# Helpers for the end-to-end checks: they start the real program under Wine on the test
# display and act on it as a person would, with xdotool.
set -u
build="$1"
exe="$build/Trituradora.exe"
work=$(mktemp -d /tmp/trituradora-e2e.XXXXXX)
trap 'chmod -R u+rwX "$work" 2>/dev/null; rm -rf "$work"' EXIT
fails=0
pass=0

check() {  # check "description" command...
  local what="$1"; shift
  if "$@"; then pass=$((pass + 1)); echo "ok: $what"; else fails=$((fails + 1)); echo "FAILED: $what"; fi
}

winpath() { winepath -w "$1" 2>/dev/null; }

# Starts the program in the background with the given arguments; its pid is in $prog.
start_program() {
  wine "$exe" "$@" </dev/null >/dev/null 2>&1 &
  prog=$!
}

# Waits (up to 20 s) for a visible window whose caption matches; prints its id. Of several
# the largest is taken, and the program's 1-pixel taskbar window (which carries its title
# too) never counts.
wait_window() {
  local id=""
  for _ in $(seq 100); do
    id=$(for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
           eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)"
           [ "${WIDTH:-0}" -gt 20 ] && [ "${HEIGHT:-0}" -gt 20 ] && echo "$(( WIDTH * HEIGHT )) $w"
         done | sort -n | tail -n 1 | cut -d' ' -f2)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}

# The caption of the report of what was not shredded, which the command-line route shows
# before it ends when anything was left.
report_caption='^No se han podido triturar'
# Waits (up to 20 s) for that report; prints its window's id.
wait_report() { wait_window "$report_caption"; }

# Waits (up to 60 s) for the program to end; false if it is still running.
wait_exit() {
  for _ in $(seq 300); do
    kill -0 "$prog" 2>/dev/null || { wait "$prog" 2>/dev/null; return 0; }
    sleep 0.2
  done
  kill "$prog" 2>/dev/null
  return 1
}

# Gives a window the keyboard (without a window manager it must be raised first) and types
# keys into it.
press() {  # press window-id key...
  local id="$1"; shift
  xdotool windowraise "$id" 2>/dev/null
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id" 2>/dev/null
  sleep 0.2
  xdotool key --clearmodifiers "$@" 2>/dev/null
}

# Closes the main window as a person would: Alt+F4, then Enter in the visit window that
# follows; true when the program has ended.
close_main() {
  press "$1" alt+F4
  local visit; visit=$(wait_window '^Vis') && press "$visit" Return
  wait_exit
}

# A hash of every file and link below a folder, to compare before and after.
tree_hash() { (cd "$1" && find . -printf '%p %y %l\n' | sort && find . -type f -exec sha1sum {} + | sort) | sha1sum; }

finish() {
  echo "$pass passed, $fails failed"
  [ "$fails" -eq 0 ]
}
