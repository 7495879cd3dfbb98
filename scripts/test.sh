#!/usr/bin/env bash
# Builds the three presets, checks the size of the shipped setup program and runs every test:
# natively (sanitizers on), then the Windows build under Wine on a virtual screen, then the shipped
# 32-bit setup end to end (when Wine runs 32-bit programs), then a short fuzzing run and the
# benchmarks (figures printed).
# QRV_SKIP_BENCH=1 leaves the benchmarks out.
set -euo pipefail
QRV_ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$QRV_ROOT"
bash scripts/build.sh native win64 win32
jobs="${QRV_JOBS:-$(nproc)}"

echo "== size of the shipped setup program"
bash scripts/check-size.sh

echo "== format"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== native tests"
ctest --test-dir build/native --output-on-failure -j "$jobs" -LE bench

source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start
# Wine's heap checks on: freed blocks are filled and block tails guarded, so a block used after it
# was freed or written past its end fails its test where it happens instead of by chance later.
echo "== Windows tests under Wine (heap checks on)"
WINEDEBUG=warn+heap ctest --test-dir build/win64 --output-on-failure -j "$jobs" -LE bench

# The end-to-end tests and ideinfo's check once more, on the shipped 32-bit builds.
echo "== the shipped (32-bit) setup program and ideinfo under Wine (heap checks on)"
shipped_stub="Z:$QRV_ROOT/build/win32/src/app/qrvsetup.exe"
if wine_runs_32bit; then
  QRV_SETUP_STUB="$shipped_stub" WINEDEBUG=warn+heap \
    ctest --test-dir build/win64 --output-on-failure -R '^wizard_e2e_tests$'
  WINEDEBUG=warn+heap sh tests/fixtures/ide/ideinfo-simulated-ide.sh cmake/wine-run.sh \
    build/win32/tools/ideinfo/ideinfo.exe build/win64/tests/fixtures/ide/makeide.exe
else
  echo "skipped: this Wine runs 64-bit programs only (no wine32)"
fi

if [ -x tests/fuzz/run.sh ]; then
  echo "== fuzzing"
  tests/fuzz/run.sh
fi

if [ "${QRV_SKIP_BENCH:-0}" != 1 ]; then
  # Under Wine, the benchmarks labelled release (figures of optimised code, such as extraction
  # against a plain copy) run from a Windows Release build of just them; the rest from the tests'
  # build.
  echo "== benchmarks (native Release build, then the Windows builds under Wine)"
  cmake --preset bench >/dev/null
  cmake --build build/bench -j "$jobs" --target qrv_benchmarks
  cmake --preset bench-win64 -Wno-dev >/dev/null  # GoogleTest predates the LTO policy
  cmake --build build/bench-win64 -j "$jobs" --target qrv_release_benchmarks
  ctest --test-dir build/bench -L bench --output-on-failure -V | grep -E '^[0-9]+: ' | sed 's/^[0-9]*: //'
  ctest --test-dir build/bench-win64 -L release --output-on-failure -V | grep -E '^[0-9]+: ' | sed 's/^[0-9]*: //'
  minimal32="build/bench-win64/tests/bench/startup/minimal_window32.exe"
  if wine_runs_32bit && [ -f "$minimal32" ]; then
    echo "The shipped 32-bit setup against the 32-bit minimal program:"
    QRV_SETUP_STUB="$shipped_stub" QRV_MINIMAL_WINDOW="Z:$QRV_ROOT/$minimal32" \
      ctest --test-dir build/bench-win64 -R '^startup_bench$' --output-on-failure -V |
      grep -E '^[0-9]+: start-up' | sed 's/^[0-9]*: //'
  fi
  ctest --test-dir build/win64 -L bench -LE release --output-on-failure -V | grep -E '^[0-9]+: ' | sed 's/^[0-9]*: //'
fi
echo "== all tests passed"
