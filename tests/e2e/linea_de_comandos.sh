#!/usr/bin/env bash
# The command-line route as a person meets it: confirm with Enter and the chosen items are
# gone; answer No or Escape and nothing changes; no arguments opens the main window.
. "$(dirname "$0")/lib.bash" "$1"

make_tree() {
  mkdir -p "$1/sub/.oculta" "$1/vacia"
  echo uno > "$1/uno.txt"; head -c 70000 /dev/urandom > "$1/sub/grande.bin"
  echo punto > "$1/sub/.oculta/.config"; : > "$1/sub/vacio"
}

# Enter at the confirmation: the folder and the loose file are shredded, the program ends.
make_tree "$work/carpeta"; echo suelto > "$work/con espacios.txt"
mkdir -p "$work/ajena"; echo guardar > "$work/ajena/dato"; before=$(tree_hash "$work/ajena")
start_program "$(winpath "$work/carpeta")" "$(winpath "$work/con espacios.txt")"
id=$(wait_window 'Confirmaci') && press "$id" Return
check "program ends after shredding" wait_exit
check "folder is gone" test ! -e "$work/carpeta"
check "quoted file with blanks is gone" test ! -e "$work/con espacios.txt"
check "a folder that was not chosen is untouched" test "$before" = "$(tree_hash "$work/ajena")"

# Escape, and then No: nothing changes and the program ends.
make_tree "$work/queda"; before=$(tree_hash "$work/queda")
for key in Escape alt+n; do
  start_program "$(winpath "$work/queda")\\"
  id=$(wait_window 'Confirmaci') && press "$id" "$key"
  check "program ends after $key" wait_exit
  check "$key leaves the folder as it was" test "$before" = "$(tree_hash "$work/queda")"
done

# No arguments: the main window is shown; closing it ends the program.
start_program
id=$(wait_window 'Trituradora de documentos')
check "main window shown with no arguments" test -n "$id"
check "closing the main window (and its visit window) ends the program" close_main "$id"

finish
