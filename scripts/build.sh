#!/usr/bin/env bash
# Installs what is missing and builds the given presets (default: native win64 win32), each in
# build/<preset>. QRV_JOBS sets the parallel jobs (default: all cores).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs="${QRV_JOBS:-$(nproc)}"
[ $# -gt 0 ] || set -- native win64 win32
for preset in "$@"; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build "build/$preset" -j "$jobs"
done
