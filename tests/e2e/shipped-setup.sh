#!/usr/bin/env bash
# The shipped setup program end to end: the 32-bit Release qrvsetup.exe, packed with the sample
# library, installs into a simulated RAD Studio 10.3 under Wine, walked like a user (buttons by
# caption, scripts/run-wizard.sh). The outcome is read back from outside: the installer's key in
# the 32-bit registry view, the IDE's Known Packages, the copied and compiled files, the library
# path in EnvOptions.proj and the report the listener received. This is the main job's way
# (scripts/run-wizard.sh, makeide, a prefix made afresh); the test command also runs the
# end-to-end tests on the shipped program.
# Needs Wine's 32-bit part (wine32); without it the test says so and exits with 77 (skipped).
# Runs in a prefix of its own, build/shipped-setup-prefix, made afresh each time.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"

stub="build/win32/src/app/qrvsetup.exe"
[ -f "$stub" ] || { echo "shipped-setup: $stub is missing; build the win32 preset first" >&2; exit 1; }

export WINEPREFIX="$root/build/shipped-setup-prefix"
rm -rf "$WINEPREFIX"
QRV_ROOT="$root"
source scripts/wine-env.sh
source scripts/report-listener.sh
if ! wine_runs_32bit; then
  echo "shipped-setup: skipped: this Wine runs 64-bit programs only (no wine32)"
  exit 77
fi
work="$(mktemp -d)"
finish() {
  report_listener_stop
  wine_env_stop
  rm -rf "$work"
}
trap finish EXIT
wine_env_start >/dev/null

failures=0
check() {  # check DESCRIPTION COMMAND...
  local what="$1"
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}

wine build/win64/tests/fixtures/ide/makeide.exe install \
  'C:\Program Files (x86)\Embarcadero\Studio\20.0' build/win64/tests/fixtures/fakedcc/fakedcc.exe

report_listener_start "$work"

bash scripts/run-wizard.sh --walk "$work/page" --keep "$work/setup.exe" \
  --report-server "$REPORT_SERVER" "$stub"

query() { wine reg query "$@" 2>/dev/null | tr -d '\r'; }
destination='C:\Quorvane\QRVComps\D26'
drive_c="$WINEPREFIX/drive_c"
bpl="$drive_c/users/Public/Documents/Embarcadero/Studio/20.0/Bpl/QRVLib260.bpl"
env_options="$drive_c/users/$(id -un)/AppData/Roaming/Embarcadero/BDS/20.0/EnvOptions.proj"

check "the setup that ran is the 32-bit program" [ "$(pe_machine "$work/setup.exe")" = 014c ]
check "the destination is remembered in the 32-bit registry view" \
  grep -qF "Caminho D26    REG_SZ    $destination" <(query 'HKLM\Software\Quorvane\QRVComps' /reg:32)
check "the package is registered in the IDE" grep -qF 'QRVLib260.bpl    REG_SZ' \
  <(query 'HKCU\Software\Embarcadero\BDS\20.0\Known Packages')
installed="$drive_c/Quorvane/QRVComps/D26"
check "the library is copied to the destination" \
  test -f "$installed/QRVLib260.dpk" -a -f "$installed/QrvColorLabel.pas"
check "the package is compiled into the IDE's package folder" [ -f "$bpl" ]
check "the destination is on the IDE's library path" \
  grep -qF "$destination</DelphiLibraryPath>" "$env_options"
check "the report says version 26 installed without error" \
  grep -qs '^versao=26&fonte=1&erro=0&msg=' "$work"/reports/report-*.http

if [ "$failures" -ne 0 ]; then
  echo "shipped-setup: $failures checks failed"
  exit 1
fi
echo "shipped-setup: the 32-bit setup installed the library"
