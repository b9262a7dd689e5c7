#!/bin/bash
# Installs what building and testing Kelvari needs on Debian 12 (as root, or through sudo),
# the German locale that Wine needs for German buttons and code page 1252, and the fonts
# with the metrics of Windows' own (Wine's Tahoma and Marlett, Liberation for Arial & Co.).
set -euo pipefail
packages=(cmake make g++ googletest g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine wine64 xvfb x11-utils imagemagick locales python3 clang libclang-rt-14-dev
          clang-format clang-tidy cppcheck chromium fonts-wine fonts-liberation)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf8$'; then
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
