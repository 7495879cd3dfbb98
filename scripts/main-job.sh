#!/usr/bin/env bash
# The main job: installs what is missing and builds everything (native tools, the Windows wizard),
# then, in a Wine prefix of its own (build/main-job-prefix), installs a simulated RAD Studio whose
# dcc32.exe is the tests' fake compiler, starts a report listener on 127.0.0.1, packs the sample
# library into a setup that reports to it, and runs the setup:
#   - without a DISPLAY the wizard runs on a virtual screen and installs, walked like a user
#     (buttons by caption), a picture of each of its six pages saved as build/wizard-1.png to
#     build/wizard-6.png (the last one under the final message);
#   - with a DISPLAY the wizard opens for you to click through.
# Afterwards it prints what the installation changed: the IDE's and the installer's registry
# values, the library paths of EnvOptions.proj, and the report the listener received.
# QRV_VERSION=N builds the setup for IDE version N (26: RAD Studio 10.3, 27: 10.4, 28: 11,
# 29: 12, 37: 13) and simulates that RAD Studio.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/build.sh native win64 win32

version="${QRV_VERSION:-26}"
case "$version" in
  26) bds=20 ;; 27) bds=21 ;; 28) bds=22 ;; 29) bds=23 ;; 37) bds=37 ;;
  *) echo "main-job: QRV_VERSION takes 26, 27, 28, 29 or 37" >&2; exit 2 ;;
esac

had_display="${DISPLAY:-}"
export WINEPREFIX="$root/build/main-job-prefix"
QRV_ROOT="$root"
source scripts/wine-env.sh
work="$(mktemp -d)"
listener_pid=""
finish() {
  if [ -n "$listener_pid" ]; then kill "$listener_pid" 2>/dev/null || true; fi
  wine_env_stop
  rm -rf "$work"
}
trap finish EXIT
wine_env_start

ide_root="C:\\Program Files (x86)\\Embarcadero\\Studio\\$bds.0"
echo "== Installing a simulated RAD Studio (BDS $bds.0) with the fake compiler in $ide_root"
wine build/win64/tests/fixtures/ide/makeide.exe install "$ide_root" \
  build/win64/tests/fixtures/fakedcc/fakedcc.exe --bds "$bds"

# A clean slate for the installer: no destination remembered from an earlier run, no old files.
# A 32-bit setup keeps its key in the 32-bit registry view, a 64-bit one in the 64-bit view.
for view in 32 64; do
  wine reg delete 'HKLM\Software\Quorvane' /f /reg:$view >/dev/null 2>&1 || true
done
rm -rf "$WINEPREFIX/drive_c/Quorvane"

echo "== Starting the report listener on 127.0.0.1"
mkdir -p "$work/reports"
build/native/tests/fixtures/report/reportlistener "$work/port" "$work/reports" &
listener_pid=$!
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.05; done
[ -s "$work/port" ] || { echo "main-job: the report listener did not start" >&2; exit 1; }
report_server="127.0.0.1:$(tr -d '\n' <"$work/port")"

# What the installation may change, as text: the IDE's per-user key, the installer's own key,
# and the library paths of the IDE's EnvOptions.proj.
user_key="HKCU\\Software\\Embarcadero\\BDS\\$bds.0"
installer_key="HKLM\\Software\\Quorvane"
env_options="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Embarcadero/BDS/$bds.0/EnvOptions.proj"
# The installer's key is read in both registry views: a 32-bit setup writes to the 32-bit view.
export_key() {
  if wine reg export "$1" "$work/key.reg" /y ${2:+"$2"} >/dev/null 2>&1; then
    iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r' | grep -v -e '^Windows Registry' -e '^$' ||
      true
  fi
}
snapshot() {
  local out="$1"
  {
    export_key "$user_key"
    export_key "$installer_key" /reg:32
    export_key "$installer_key" /reg:64
    if [ -f "$env_options" ]; then
      grep -E '<(DelphiLibraryPath|DelphiBrowsingPath|DelphiDebugDCUPath)>' "$env_options" |
        sed 's/^ */EnvOptions.proj: /' | tr -d '\r'
    fi
  } >"$out"
}
snapshot "$work/before.txt"

echo "== Running the wizard (setup for version $version, reporting to $report_server)"
if [ -z "$had_display" ]; then
  bash scripts/run-wizard.sh --walk "$root/build/wizard" --version "$version" \
    --report-server "$report_server"
else
  bash scripts/run-wizard.sh --version "$version" --report-server "$report_server"
fi

snapshot "$work/after.txt"
echo "== What the installation changed (registry values, EnvOptions.proj paths)"
changes="$(diff -U0 "$work/before.txt" "$work/after.txt" | grep -E '^[-+]([^-+]|$)' || true)"
echo "${changes:-(nothing)}"
echo "== Report received by the listener"
shopt -s nullglob
reports=("$work"/reports/report-*.http)
if [ ${#reports[@]} -eq 0 ]; then
  echo "(none)"
else
  for report in "${reports[@]}"; do cat "$report"; echo; done
fi
