#!/bin/bash
# Builds a setup of the sample library and opens it under Wine, on a virtual screen when no
# DISPLAY is set. The wizard is driven like a user would: buttons by their captions, through
# wizdrive (tests/e2e), never by screen positions; every step waits for what it needs.
#
#   scripts/run-wizard.sh [options] [STUB.exe]
#
#   STUB.exe              the wizard to pack the library into; default: build/win32/src/app/
#                         qrvsetup.exe, then build/win64/src/app/qrvsetup.exe. A 32-bit wizard is
#                         replaced by the 64-bit one when this Wine or its prefix cannot run
#                         32-bit programs.
#   --screenshot FILE     go to --page, take a picture of the screen, then close the wizard
#   --page N              the page for the picture: 0 welcome, 1 agreement, 2 destination,
#                         3 confirmation, 4 copy (the agreement is accepted on the way)
#   --walk PREFIX         install: walk through the six pages, saving a picture of each as
#                         PREFIX-1.png ... PREFIX-6.png (the last one under the final message,
#                         which is then answered); then close the wizard
#   --version N           the IDE version the setup is built for (default 26); the package
#                         project of the sample library is renamed to match (QRVLib370.dpk for 37)
#   --report-server H:P   the setup's report server (default: none, no report is sent)
#   --keep FILE           also keep the built setup program as FILE
#
# Environment: WINEPREFIX (default $HOME/.qrv-wine, created when missing), QRV_NATIVE_BUILD
# (build folder of the native qrvpack, default build/native), QRV_WIN64_BUILD (build folder of
# wizdrive, default build/win64).
# Everything the script starts (Xvfb, the wineserver, the wizard) is stopped when it ends.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
stub=""
shot=""
page=0
walk=""
version=26
report_server=""
keep=""

while [ $# -gt 0 ]; do
  case "$1" in
    --screenshot) shot="$2"; shift 2 ;;
    --page) page="$2"; shift 2 ;;
    --walk) walk="$2"; shift 2 ;;
    --version) version="$2"; shift 2 ;;
    --report-server) report_server="$2"; shift 2 ;;
    --keep) keep="$2"; shift 2 ;;
    -h|--help) sed -n '2,26p' "$0"; exit 0 ;;
    -*) echo "run-wizard: unknown option $1" >&2; exit 2 ;;
    *) stub="$1"; shift ;;
  esac
done
case "$page" in [0-4]) ;; *) echo "run-wizard: --page takes 0 to 4" >&2; exit 2 ;; esac

say() { echo "run-wizard: $*" >&2; }
die() { say "$*"; exit 1; }

export WINEPREFIX="${WINEPREFIX:-$HOME/.qrv-wine}"
QRV_ROOT="$root"
# shellcheck source=wine-env.sh
source "$root/scripts/wine-env.sh"
native_build="${QRV_NATIVE_BUILD:-$root/build/native}"
win64_build="${QRV_WIN64_BUILD:-$root/build/win64}"

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

choose_stub() {
  if [ -z "$stub" ]; then
    for candidate in "$root/build/win32/src/app/qrvsetup.exe" "$win64_build/src/app/qrvsetup.exe"; do
      if [ -f "$candidate" ]; then
        stub="$candidate"
        break
      fi
    done
    [ -n "$stub" ] || die "no wizard found; build it first: cmake --preset win64 && cmake --build build/win64 --target qrvsetup"
  fi
  [ -f "$stub" ] || die "no such wizard: $stub"
  if [ "$(pe_machine "$stub")" = 014c ] && ! wine_runs_32bit; then
    local wide="$win64_build/src/app/qrvsetup.exe"
    [ -f "$wide" ] || die "$stub is a 32-bit program, this Wine or its prefix runs 64-bit programs only, and there is no $wide"
    say "this Wine or its prefix runs 64-bit programs only: using $wide instead of the 32-bit $stub"
    stub="$wide"
  fi
}

build_tools() {
  if [ ! -f "$native_build/CMakeCache.txt" ]; then
    cmake --preset native -B "$native_build" >/dev/null
  fi
  cmake --build "$native_build" --target qrvpack -j2 >/dev/null
  qrvpack="$native_build/tools/qrvpack/qrvpack"
  [ -x "$qrvpack" ] || die "qrvpack was not built at $qrvpack"
  if [ -n "$shot$walk" ]; then
    if [ ! -f "$win64_build/CMakeCache.txt" ]; then
      cmake --preset win64 -B "$win64_build" >/dev/null
    fi
    cmake --build "$win64_build" --target wizdrive -j2 >/dev/null
    wizdrive="$win64_build/tests/e2e/wizdrive.exe"
    [ -f "$wizdrive" ] || die "wizdrive was not built at $wizdrive"
  fi
}

# The sample library with its package project named for the version (QRVLib<N>0.dpk).
library_for_version() {
  local library="$work/library" project="QRVLib${version}0"
  mkdir -p "$library"
  cp "$root"/samples/qrvlib/* "$library/"
  if [ "$version" != 26 ]; then
    sed "s/QRVLib260/$project/g" "$library/QRVLib260.dpk" >"$library/$project.dpk"
    mv "$library/QRVLib260.res" "$library/$project.res"
    rm "$library/QRVLib260.dpk"
  fi
  echo "$library"
}

pack_setup() {
  setup="$work/qrvsetup.exe"
  local library
  library="$(library_for_version)"
  "$qrvpack" build --stub "$stub" --from "$library" --version "$version" \
    --package Personalizado --report-server "$report_server" -o "$setup" >&2
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

title='QRV Library'
drive() { wine "$wizdrive" "$@" </dev/null; }
# Waits until the wizard has painted what it was last asked for, then takes a picture.
picture() {
  drive idle "$title"
  import -window root "$1"
  say "picture of the screen written to $1"
}

# From the welcome page forward to page $1 (see --page).
go_to_page() {
  local n
  for n in $(seq 0 "$1"); do go_to_page_step "$n"; done
}

# Closes the wizard as a user would: "Fechar" when the run is finished, else Cancel and "Sim".
close_wizard() {
  if drive has "$title" 'Fechar'; then
    drive click "$title" 'Fechar'
  else
    drive click "$title" '&Cancelar'
    drive answer 'Confirmação' '&Sim'
  fi
  wait "$wizard_pid" || true
  wizard_pid=""
}

# Every page as far as the wizard goes. The copy and the build run inside the click on
# "&Instalar"; the last picture shows the registration page's log under the final message
# ("Informação" on success, "Erro" on failure), which is then answered.
walk_pages() {
  local n final
  for n in 0 1 2 3 4; do
    go_to_page_step "$n"
    picture "$walk-$((n + 1)).png"
  done
  final="$(drive first 'Informação' 'Erro' | tr -d '\r')" || die "the installation showed no final message"
  picture "$walk-6.png"
  drive answer "$final" '&OK'
  drive shows "$title" 'Fechar' || say "the wizard did not reach its final state"
}

# One step of go_to_page: from page $1 - 1 to page $1.
go_to_page_step() {
  case "$1" in
    0) drive shows "$title" '&Avançar' ;;
    1) drive click "$title" '&Avançar'
       drive shows "$title" 'Sim, concordo e aceito todos os termos e condições desse Contrato' ;;
    2) drive check "$title" 'Sim, concordo e aceito todos os termos e condições desse Contrato'
       drive click "$title" '&Avançar'
       drive shows "$title" 'A&lterar...' ;;
    3) drive click "$title" '&Avançar'
       drive shows "$title" '&Instalar' ;;
    4) drive click "$title" '&Instalar' ;;
  esac
}

choose_stub
build_tools
pack_setup
start_wine

say "opening $(basename "$stub") with the sample library for version $version (DISPLAY=$DISPLAY)"
wine "$setup" >/dev/null 2>&1 &
wizard_pid=$!

if [ -z "$shot$walk" ]; then
  wait "$wizard_pid" || true
  wizard_pid=""
  exit 0
fi

drive wait "$title"
if [ -n "$walk" ]; then
  walk_pages
else
  go_to_page "$page"
  picture "$shot"
fi
close_wizard
