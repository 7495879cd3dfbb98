#!/bin/bash
# Builds a setup of the sample library and opens it under Wine, on a virtual screen when no
# DISPLAY is set.
#
#   scripts/run-wizard.sh [options] [STUB.exe]
#
#   STUB.exe            the wizard to pack the library into; default: build/win32/src/app/
#                       qrvsetup.exe, then build/win64/src/app/qrvsetup.exe. A 32-bit wizard is
#                       replaced by the 64-bit one when this Wine cannot run 32-bit programs.
#   --screenshot FILE   take a picture of the screen after --seconds, then close the wizard
#   --seconds N         delay before the picture (default 5)
#   --page N            before the picture, go forward N pages with clicks (0 welcome,
#                       1 agreement, 2 destination, 3 confirmation, 4 copy); the agreement is accepted
#                       on the way
#   --keep FILE         also keep the built setup program as FILE
#
# Environment: WINEPREFIX (default $HOME/.qrv-wine, created when missing), QRV_NATIVE_BUILD
# (build folder of the native qrvpack, default build/native).
# Everything the script starts (Xvfb, the wineserver, the wizard) is stopped when it ends.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
stub=""
shot=""
seconds=5
page=0
keep=""

while [ $# -gt 0 ]; do
  case "$1" in
    --screenshot) shot="$2"; shift 2 ;;
    --seconds) seconds="$2"; shift 2 ;;
    --page) page="$2"; shift 2 ;;
    --keep) keep="$2"; shift 2 ;;
    -h|--help) sed -n '2,21p' "$0"; exit 0 ;;
    -*) echo "run-wizard: unknown option $1" >&2; exit 2 ;;
    *) stub="$1"; shift ;;
  esac
done

say() { echo "run-wizard: $*" >&2; }
die() { say "$*"; exit 1; }

export WINEPREFIX="${WINEPREFIX:-$HOME/.qrv-wine}"
QRV_ROOT="$root"
# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"
native_build="${QRV_NATIVE_BUILD:-$root/build/native}"

work="$(mktemp -d)"
wizard_pid=""
started_wineserver=0

cleanup() {
  if [ -n "$wizard_pid" ] && kill -0 "$wizard_pid" 2>/dev/null; then
    kill "$wizard_pid" 2>/dev/null || true
    wait "$wizard_pid" 2>/dev/null || true
  fi
  if [ "$started_wineserver" = 1 ]; then
    wine_env_stop
  elif [ -n "$QRV_STARTED_XVFB" ]; then
    kill "$QRV_STARTED_XVFB" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The PE machine of a program: 014c for i386, 8664 for x86_64.
pe_machine() {
  local offset
  offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  od -An -tx2 -j$((offset + 4)) -N2 "$1" | tr -d ' '
}

wine_runs_32bit() {
  [ -e /usr/lib/wine/wine ] || [ -e /usr/lib/i386-linux-gnu/wine/wine ] ||
    ls /usr/lib/wine/i386-windows/ntdll.dll >/dev/null 2>&1
}

choose_stub() {
  if [ -z "$stub" ]; then
    for candidate in "$root/build/win32/src/app/qrvsetup.exe" "$root/build/win64/src/app/qrvsetup.exe"; do
      if [ -f "$candidate" ]; then
        stub="$candidate"
        break
      fi
    done
    [ -n "$stub" ] || die "no wizard found; build it first: cmake --preset win64 && cmake --build build/win64 --target qrvsetup"
  fi
  [ -f "$stub" ] || die "no such wizard: $stub"
  if [ "$(pe_machine "$stub")" = 014c ] && ! wine_runs_32bit; then
    local wide="$root/build/win64/src/app/qrvsetup.exe"
    [ -f "$wide" ] || die "$stub is a 32-bit program, this Wine runs 64-bit programs only, and there is no $wide"
    say "this Wine runs 64-bit programs only: using $wide instead of the 32-bit $stub"
    stub="$wide"
  fi
}

build_qrvpack() {
  if [ ! -f "$native_build/CMakeCache.txt" ]; then
    cmake --preset native -B "$native_build" >/dev/null
  fi
  cmake --build "$native_build" --target qrvpack -j2 >/dev/null
  qrvpack="$native_build/tools/qrvpack/qrvpack"
  [ -x "$qrvpack" ] || die "qrvpack was not built at $qrvpack"
}

pack_setup() {
  setup="$work/qrvsetup.exe"
  "$qrvpack" build --stub "$stub" --from "$root/samples/qrvlib" --version 26 \
    --package Personalizado -o "$setup" >&2
  if [ -n "$keep" ]; then
    cp "$setup" "$keep"
  fi
}

# The prefix (made when missing), a virtual screen when there is no DISPLAY, and a persistent
# wineserver apart from our pipes. A server that already runs for the prefix stays running.
start_wine() {
  if [ -f "$WINEPREFIX/system.reg" ]; then
    if setsid wineserver -p </dev/null >/dev/null 2>&1; then
      started_wineserver=1
    fi
  else
    started_wineserver=1
  fi
  wine_env_start
}

# Clicks at a point of the wizard's client area.
click_client() {
  local window="$1" x="$2" y="$3"
  xdotool mousemove --window "$window" "$x" "$y" click 1
  sleep 0.5
}

go_to_page() {
  local window
  window=$(xdotool search --sync --onlyvisible --name '^QRV Library$' | head -n 1)
  local i
  for i in $(seq "$page"); do
    if [ "$i" = 2 ]; then
      click_client "$window" 38 371  # the agreement check box
    fi
    click_client "$window" 483 435  # Next
  done
}

choose_stub
build_qrvpack
pack_setup
start_wine

say "opening $(basename "$stub") with the sample library (DISPLAY=$DISPLAY)"
wine "$setup" >/dev/null 2>&1 &
wizard_pid=$!

if [ -z "$shot" ]; then
  wait "$wizard_pid" || true
  wizard_pid=""
  exit 0
fi

sleep "$seconds"
if [ "$page" -gt 0 ]; then
  go_to_page
  sleep 1
fi
import -window root "$shot"
say "screenshot written to $shot"
