#!/usr/bin/env bash
# The main job: installs what is missing, builds everything (native tools, the Windows wizard),
# packs the sample library into a setup and opens it under Wine. Without a DISPLAY the wizard
# runs on a virtual screen and a picture of it is saved to build/wizard.png.
# Options are passed on to scripts/run-wizard.sh (see its --help).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/deps.sh
jobs="${QRV_JOBS:-$(nproc)}"
for preset in native win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build "build/$preset" -j "$jobs"
done
if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ]; then
  set -- --screenshot "$root/build/wizard.png" --seconds 6
fi
exec bash scripts/run-wizard.sh "$@"
