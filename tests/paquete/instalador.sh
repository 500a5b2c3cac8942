#!/usr/bin/env bash
# The release as a Windows user meets it: scripts/package.sh writes the portable zip and the
# installer; the installer, run silently in a fresh Wine prefix (a machine where the program
# never ran), puts the program in the user's programs folder with a Start-menu entry and an
# entry in the installed-programs list; the installed program starts with no arguments and its
# main window closes; the silent uninstall then leaves no file, no Start-menu entry and no
# registry entry of it (the stored settings stay: they go only when the user asks).
# Usage: bash instalador.sh <build folder>   (needs an X display)
set -u
build="$(cd "$1" && pwd)"
raiz="$(cd "$(dirname "$0")/../.." && pwd)"
. "$raiz/tests/e2e/lib.bash" "$build"
export WINEDEBUG=-all LC_ALL=C.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
trap 'WINEPREFIX="$work/prefijo" wineserver -k >/dev/null 2>&1; chmod -R u+rwX "$work" 2>/dev/null; rm -rf "$work"' EXIT

bash "$raiz/scripts/package.sh" >"$work/package.log" 2>&1 || { cat "$work/package.log"; echo "FAILED: package.sh"; exit 1; }
version="$(tr -d '\r\n' < "$build/version.txt")"
zip="$raiz/dist/Trituradora-$version-portable.zip"
setup="$raiz/dist/Trituradora-$version-setup.exe"
check "the portable zip holds the program and LEEME.txt" \
  test "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = "LEEME.txt Trituradora.exe "
check "the zipped program is the one built" cmp -s <(unzip -p "$zip" Trituradora.exe) "$build/Trituradora.exe"
check "LEEME.txt is Spanish text with the version" \
  bash -c "unzip -p '$zip' LEEME.txt | iconv -f UTF-8 -t UTF-8 | grep -q 'Trituradora de documentos $version'"
check "the installer was written" test -s "$setup"

# A fresh prefix with its own server, every stream closed (see scripts/wine-env.sh).
export WINEPREFIX="$work/prefijo"
mkdir -p "$WINEPREFIX"
wineboot -i </dev/null >/dev/null 2>&1
wineserver -p </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d true /f </dev/null >/dev/null 2>&1

carpeta_win() { wine cmd /c echo "%$1%" </dev/null 2>/dev/null | tr -d '\r'; }
programas="$(winepath -u "$(carpeta_win LOCALAPPDATA)\\Programs\\Trituradora" 2>/dev/null)"
inicio="$(winepath -u "$(carpeta_win APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs" 2>/dev/null)"
desinstalar='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Trituradora'
valor() { wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"; }
existe() { wine reg query "$1" </dev/null >/dev/null 2>&1; }
falta() { ! existe "$1"; }
termina_en() { [[ "$1" == *"$2" ]]; }

wine "$setup" /S </dev/null >/dev/null 2>&1
check "installed into the user's programs folder" test -f "$programas/Trituradora.exe" -a -f "$programas/LEEME.txt"
check "the installed program is the one built" cmp -s "$programas/Trituradora.exe" "$build/Trituradora.exe"
check "an uninstaller beside it" test -f "$programas/Desinstalar.exe"
check "a Start-menu entry" test -f "$inicio/Trituradora de documentos.lnk"
check "listed among the installed programs" test "$(valor "$desinstalar" DisplayName)" = "Trituradora de documentos"
check "with the release's version" test "$(valor "$desinstalar" DisplayVersion)" = "$version"
check "and a silent uninstall command" termina_en "$(valor "$desinstalar" QuietUninstallString)" 'Desinstalar.exe" /S'

exe="$programas/Trituradora.exe"
start_program
id=$(wait_window 'Trituradora de documentos')
check "the installed program opens its main window" test -n "$id"
[ -n "$id" ] && check "closing its main window ends it" close_main "$id"
check "its settings key exists now (made at start)" existe 'HKCU\Trituradora'

# The Explorer entries as the options dialog writes them for this program.
for verbo in '*\shell\Trituradora de archivo' 'Directory\shell\Trituradora de carpeta'; do
  wine reg add "HKCU\\Software\\Classes\\$verbo\\command" /ve /d "\"$(winepath -w "$exe")\" \"%1\"" /f \
    </dev/null >/dev/null 2>&1
done
check "the Explorer entries are there before uninstalling" existe 'HKCU\Software\Classes\*\shell\Trituradora de archivo'

wine "$programas/Desinstalar.exe" /S </dev/null >/dev/null 2>&1
# The uninstaller runs on from a copy of itself, so that it can delete itself: wait for it.
for _ in $(seq 150); do [ -e "$programas" ] || break; sleep 0.2; done
wineserver -w
check "the program's folder is gone" test ! -e "$programas"
check "the Start-menu entry is gone" test ! -e "$inicio/Trituradora de documentos.lnk"
check "the installed-programs entry is gone" falta "$desinstalar"
check "the file entry for Explorer is gone" falta 'HKCU\Software\Classes\*\shell\Trituradora de archivo'
check "the folder entry for Explorer is gone" falta 'HKCU\Software\Classes\Directory\shell\Trituradora de carpeta'
check "the settings stay (not asked to remove them)" existe 'HKCU\Trituradora'
finish
