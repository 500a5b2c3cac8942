#!/usr/bin/env bash
# The interactive route as a person uses it: open a drive and a folder in the tree, drag a
# file and a folder onto the shredder with the mouse, press the power button, confirm with
# Enter, and see them gone, the count back at 0 and the result line.
. "$(dirname "$0")/lib.bash" "$1"
shots="$build/capturas"; mkdir -p "$shots"

name=$(basename "$work")                # a unique folder name under /tmp
mkdir -p "$work/carpeta/dentro"; echo uno > "$work/carpeta/dentro/a.txt"; echo dos > "$work/archivo.txt"
mkdir -p "$work/ajena"; echo guardar > "$work/ajena/dato"; before=$(tree_hash "$work/ajena")

start_program
win=$(wait_window 'Trituradora de documentos') || { check "main window" false; finish; exit; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$win")"
# Client origin: the frame Wine draws is 3 pixels wide with a 19-pixel caption.
cx=$((X + 3)); cy=$((Y + 22))
# PanelElegir starts inside the page control (at 8,8) and its tab.
px=$((cx + 8 + 4)); py=$((cy + 8 + 24))
at() { xdotool mousemove "$((px + $1))" "$((py + $2))"; }

# The middle of the label the tree shows selected (its highlight), in screen coordinates.
selected_label() {
  import -window root "$shots/arbol.png"
  convert "$shots/arbol.png" -crop "250x345+$((px + 20))+$((py + 44))" +repage -fill black \
    -fuzz 12% +opaque '#3096fa' -format '%@' info: 2>/dev/null \
    | sed -E 's/^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$/\1 \2 \3 \4/' \
    | { read -r w h x y; [ -n "${h:-}" ] && echo "$((px + 20 + x + w / 2)) $((py + 44 + y + h / 2))"; }
}

# What the pending-list counter shows, as a hash of its pixels.
counter() {
  import -window root "$shots/contador.png"
  convert "$shots/contador.png" -crop "48x18+$((px + 420))+$((py + 252))" +repage rgb:- 2>/dev/null | md5sum
}

# Drags the selected node onto the shredder; a drag the program did not take (the counter
# did not change) is tried again, since a loaded machine can lag behind the mouse.
drag_selected_to_shredder() {
  local pos before try
  pos=$(selected_label); [ -n "$pos" ] || return 1
  before=$(counter)
  for try in 1 2 3; do
    xdotool mousemove $pos; sleep 0.3
    xdotool mousedown 1; sleep 0.3
    for step in 1 2 3 4 5 6; do xdotool mousemove_relative 10 0; sleep 0.1; done
    at 430 130; sleep 0.6; at 432 132; sleep 0.6
    xdotool mouseup 1; sleep 0.8
    [ "$(counter)" != "$before" ] && return 0
  done
  return 1
}

# Open Z:, then tmp, then the test folder, with the keyboard as a person may.
at 60 60; xdotool click 1; sleep 0.3
xdotool key Home Down Down Right Right; sleep 0.3
xdotool type --delay 80 "tmp"; sleep 0.5; xdotool key Right Right; sleep 0.5
xdotool type --delay 80 "$name"; sleep 0.5; xdotool key Right Right; sleep 0.5
xdotool type --delay 80 "archivo"; sleep 0.6
check "file dragged onto the shredder" drag_selected_to_shredder
xdotool type --delay 80 "carpeta"; sleep 0.6
check "folder dragged onto the shredder" drag_selected_to_shredder
import -window root "$shots/lista.png"

# The power button, then Enter at the confirmation.
at 614 66; xdotool click 1
conf=$(wait_window 'Confirmaci') && press "$conf" Return
for _ in $(seq 100); do [ ! -e "$work/archivo.txt" ] && [ ! -e "$work/carpeta" ] && break; sleep 0.2; done
sleep 1.5
import -window root "$shots/resultado.png"
check "the dragged file is gone" test ! -e "$work/archivo.txt"
check "the dragged folder is gone" test ! -e "$work/carpeta"
check "a folder that was not dragged is untouched" test "$before" = "$(tree_hash "$work/ajena")"

check "closing the main window (and its visit window) ends the program" close_main "$win"
finish
