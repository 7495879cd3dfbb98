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
  # A folder whose configuration no longer fits (its compiler changed) is configured afresh.
  cmake --preset "$preset" >/dev/null 2>&1 || cmake --preset "$preset" --fresh >/dev/null
  cmake --build "build/$preset" -j "$jobs"
done
