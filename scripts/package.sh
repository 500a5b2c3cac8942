#!/usr/bin/env bash
# Builds the program and writes the two release files to dist/:
#   Trituradora-<version>-portable.zip  Trituradora.exe and LEEME.txt
#   Trituradora-<version>-setup.exe     the per-user installer (NSIS, scripts/instalador.nsi)
# The version is the one CMakeLists.txt sets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh --target Trituradora
version="$(tr -d '\r\n' < build/version.txt)"
empresa="$(tr -d '\r\n' < build/empresa.txt)"

staging="$(mktemp -d)"
trap 'rm -rf "$staging"' EXIT
cp build/Trituradora.exe "$staging/"
cp resources/trituradora.ico "$staging/Trituradora.ico"
# For Windows: UTF-8 with a byte-order mark and CR LF line ends, as Notepad reads best.
{ printf '\xef\xbb\xbf'; sed -e "s/@VERSION@/$version/" -e 's/$/\r/' scripts/LEEME.txt; } > "$staging/LEEME.txt"

mkdir -p dist
zip_file="dist/Trituradora-$version-portable.zip"
setup_file="dist/Trituradora-$version-setup.exe"
rm -f "$zip_file" "$setup_file"
(cd "$staging" && touch -d '2000-01-01 00:00' Trituradora.exe LEEME.txt && zip -q -X "$OLDPWD/$zip_file" Trituradora.exe LEEME.txt)
makensis -V2 -DVERSION="$version" -DEMPRESA="$empresa" -DORIGEN="$staging" -DSALIDA="$PWD/$setup_file" \
  scripts/instalador.nsi
ls -l "$zip_file" "$setup_file"
