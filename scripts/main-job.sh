#!/usr/bin/env bash
# The main job: installs what is missing, builds everything (native tools, the Windows wizard),
# installs a simulated RAD Studio 10.3 into a private Wine prefix, packs the sample library into
# a setup and opens it there. Without a DISPLAY the wizard runs on a virtual screen and a picture
# of it is saved to build/wizard.png. Options go to scripts/run-wizard.sh (see its --help).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/build.sh native win64 win32

had_display="${DISPLAY:-}"
QRV_ROOT="$root"
source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start
ide_root='C:\Program Files (x86)\Embarcadero\Studio\20.0'
echo "Installing a simulated RAD Studio 10.3 in $ide_root"
wine build/win64/tests/fixtures/ide/makeide.exe install "$ide_root"
wine build/win64/tools/ideinfo/ideinfo.exe | sed -n 1,12p

if [ $# -eq 0 ] && [ -z "$had_display" ]; then
  set -- --screenshot "$root/build/wizard.png" --seconds 6
fi
bash scripts/run-wizard.sh "$@"
