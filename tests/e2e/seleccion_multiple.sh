#!/usr/bin/env bash
# Six items chosen together in Explorer: Explorer starts one copy of the program per item,
# each with one path. Started 100 ms apart, the six copies ask one confirmation listing the
# six paths; Enter shreds all six and every copy ends.
. "$(dirname "$0")/lib.bash" "$1"

confirmations() {  # the visible confirmation windows (the 1-pixel taskbar window left out)
  for w in $(xdotool search --onlyvisible --name 'Confirmaci' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)"
    [ "${WIDTH:-0}" -gt 20 ] && [ "${HEIGHT:-0}" -gt 20 ] && echo "$w"
  done
}
running() { local n=0; for p in "${pids[@]}"; do kill -0 "$p" 2>/dev/null && n=$((n + 1)); done; echo "$n"; }

# Copies left asking by a failed check are ended with the check.
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$work"' EXIT

mkdir -p "$work/datos"
echo "no se toca" > "$work/datos/vecino.txt"
for i in 1 2 3 4 5 6; do
  f="$work/datos/elegido $i.txt"
  head -c $((i * 5000)) /dev/urandom > "$f"
  wine "$exe" "$(winpath "$f")" </dev/null >/dev/null 2>&1 &
  pids+=($!)
  sleep 0.1
done

id=$(wait_window 'Confirmaci')
check "a confirmation appears" test -n "$id"
# Give any copy that missed the gathering the time to ask on its own.
most=0
for _ in $(seq 20); do
  n=$(confirmations | wc -l); [ "$n" -gt "$most" ] && most=$n
  sleep 0.2
done
check "one confirmation only (at most $most seen at once)" test "$most" -eq 1
check "the five later copies ended at once ($(running) still running)" test "$(running)" -eq 1
eval "$(xdotool getwindowgeometry --shell "$id")"
# Heading, six paths, an empty line and the question under an empty first line: far taller
# than the confirmation of one path (about 180 pixels).
check "the confirmation is tall enough for six paths (${HEIGHT}px)" test "$HEIGHT" -ge 250
[ -n "${CAPTURAS:-}" ] && import -window root "$CAPTURAS/seleccion_multiple.png"

press "$id" Return
for _ in $(seq 300); do [ "$(running)" -eq 0 ] && break; sleep 0.2; done
check "every copy ended" test "$(running)" -eq 0
for i in 1 2 3 4 5 6; do
  check "item $i is shredded" test ! -e "$work/datos/elegido $i.txt"
done
check "the file next to them is untouched" test "$(cat "$work/datos/vecino.txt")" = "no se toca"
check "no confirmation left" test -z "$(confirmations)"

finish
