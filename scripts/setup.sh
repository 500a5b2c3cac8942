#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine, if it is missing.
set -euo pipefail
need=()
check() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed' || need+=("$1"); }
for p in cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools \
         googletest wine wine64 fonts-wine xvfb xauth xdotool imagemagick fonts-liberation python3 nsis zip; do
  check "$p"
done
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
