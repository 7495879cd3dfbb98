#!/bin/sh
# Builds the libFuzzer targets with clang into build/fuzz and runs each for a short while on its
# seed corpora (tests/fuzz/corpus/<target>, plus the test fixtures named below); new inputs go
# to build/fuzz/work, the seeds stay as they are. Each target writes only to its own scratch
# folder, which it removes when it ends.
# Usage: tests/fuzz/run.sh [seconds per target, default 12]
set -eu
seconds=${1:-12}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=$source_dir/build/fuzz
targets="xml evaluate condition archive descriptor patch ellipsis report"
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQRV_FUZZ=ON -DQRV_TESTS=ON \
  -DCMAKE_C_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" >/dev/null
cmake --build "$build_dir" -j2 --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)
for target in $targets; do
  work=$build_dir/work/$target
  mkdir -p "$work"
  seeds=$source_dir/tests/fuzz/corpus/$target
  case $target in
    descriptor) seeds="$seeds $source_dir/tests/fixtures/ini" ;;
  esac
  log=$build_dir/work/$target.log
  echo "== fuzz_$target for ${seconds}s"
  # A crash, a leak, an input that runs over 10 s or memory over 2 GiB fails the run.
  status=0
  # shellcheck disable=SC2086 # seeds holds one or more folders
  "$build_dir/tests/fuzz/fuzz_$target" "$work" $seeds -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    echo "fuzz_$target failed (exit code $status); the whole output is in $log" >&2
    exit 1
  fi
  tail -n 12 "$log"
done
