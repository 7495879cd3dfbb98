#!/usr/bin/env bash
# Installs the packages the build and the tests need, when any is missing (Debian 12).
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev clang-format googletest
          g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-win32 mingw-w64-tools
          wine wine64 xvfb imagemagick x11-utils xdotool)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
