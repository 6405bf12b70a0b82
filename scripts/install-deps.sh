#!/usr/bin/env bash
# Installs what building, running and testing Lexorin needs on Debian 12, skipping what
# is already there. Never installs wine32: with it, the wine launcher tries the 32-bit
# loader, which these machines cannot run.
set -euo pipefail
packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 xvfb xauth x11-utils imagemagick fonts-wqy-microhei
  googletest libcpp-httplib-dev locales
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# Wine takes its ANSI code page (936) from this locale.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  $sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
