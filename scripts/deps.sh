#!/usr/bin/env bash
# Installs the packages the build and the tests need, when any is missing (Debian 12).
#
# The shipped setup is a 32-bit program: Wine's 32-bit part (wine32, of the i386 architecture)
# lets the tests run it. It is installed when it can be, with the release's own package versions
# (-t bookworm), the same for both architectures: the mirror's security lists for i386 can lag
# behind those for amd64, and both architectures of a shared library must be of one version.
# When it cannot be installed, the i386 architecture is taken out again, the tests of the shipped
# setup are skipped, and everything else runs on the 64-bit Wine; build/.no-wine32 then keeps
# later runs from trying again (delete it to retry).
set -euo pipefail
cd "$(dirname "$0")/.."
no_wine32_mark=build/.no-wine32
packages=(cmake ninja-build g++ clang libclang-rt-14-dev clang-format googletest
          g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-win32 mingw-w64-tools
          wine wine64 xvfb imagemagick x11-utils xdotool)
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
want_wine32=1
if installed wine32:i386 || [ -f "$no_wine32_mark" ]; then want_wine32=0; fi
[ "$want_wine32" = 0 ] && [ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
export DEBIAN_FRONTEND=noninteractive
apt_install() { $sudo_cmd timeout 1800 apt-get install -y -qq --no-install-recommends "$@" >/dev/null; }

if [ "$want_wine32" = 1 ]; then
  echo "Installing Wine's 32-bit part (wine32) ${missing[*]:+with: ${missing[*]}}"
  $sudo_cmd dpkg --add-architecture i386
  # A list that fails to download (a mirror in the middle of a sync) is only left out.
  $sudo_cmd apt-get update -qq || true
  # Together with the rest when wine64 is not there yet, so both sides take the same versions.
  if apt_install -t bookworm wine32:i386 "${missing[@]}"; then
    missing=()
  else
    echo "Wine's 32-bit part cannot be installed here: the tests of the shipped setup are skipped"
    mkdir -p build && touch "$no_wine32_mark"
    if ! dpkg-query -W -f='${Architecture}\n' | grep -qx i386; then
      $sudo_cmd dpkg --remove-architecture i386 || true
    fi
  fi
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq || true  # a list left out shows as a failed install below
  apt_install "${missing[@]}"
fi
