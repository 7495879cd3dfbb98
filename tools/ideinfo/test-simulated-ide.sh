#!/bin/sh
# Runs ideinfo under Wine on a simulated RAD Studio 10.3 (registry keys, EnvOptions.proj with
# environment.proj, rsvars.bat, bds.exe) and checks that it finds the installation and prints the
# evaluated Win32 library path with the $(Platform) and $(BDS...) references resolved.
# Usage: test-simulated-ide.sh <wine runner> <ideinfo.exe> <makeide.exe>
set -u
runner=$1 ideinfo=$2 makeide=$3
work=$(mktemp -d /tmp/qrv-ideinfo.XXXXXX)
root="Z:$(echo "$work" | tr / '\\')\\Studio\\20.0"
fail() { echo "FAIL: $*"; echo "--- ideinfo output ---"; cat "$work/out.txt" 2>/dev/null; "$runner" "$makeide" remove; rm -rf "$work"; exit 1; }

"$runner" "$makeide" install "$work/Studio/20.0" || fail "makeide install"
"$runner" "$ideinfo" >"$work/out.txt" 2>"$work/err.txt"
status=$?
tr -d '\r' <"$work/out.txt" >"$work/clean.txt" && mv "$work/clean.txt" "$work/out.txt"
[ "$status" -eq 0 ] || fail "exit code $status: $(cat "$work/err.txt")"

expect_line() {
  grep -qxF -- "$1" "$work/out.txt" || fail "missing line: $1"
}
expect_line "Name: RAD Studio 10.3"
expect_line "IDEVersionNumberStr: d26"
expect_line "Valid: True"
expect_line "Win32 LibrarySearchPath: $root\\lib\\Win32\\release;C:\\Users\\dev\\Documents\\Embarcadero\\Studio\\20.0\\Imports;$root\\Imports;C:\\Users\\Public\\Documents\\Embarcadero\\Studio\\20.0\\Dcp\\Win32;$root\\include"
expect_line "Win32 LibFolderName: $root\\lib\\Win32\\release\\"
expect_line "SupportsNoConfig: True"
grep "^Win32 LibrarySearchPath:" "$work/out.txt" | grep -qF '$(' && fail "unresolved reference left"

"$runner" "$makeide" remove || fail "makeide remove"
rm -rf "$work"
echo "PASS: ideinfo describes the simulated RAD Studio 10.3"
