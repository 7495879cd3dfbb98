#!/bin/sh
# Builds the libFuzzer targets with clang into build/fuzz and runs each for a short while on its
# corpus (tests/fuzz/corpus/<target>); new inputs go to build/fuzz/work, the corpus stays as it is.
# Usage: tests/fuzz/run.sh [seconds per target, default 20]
set -eu
seconds=${1:-20}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=$source_dir/build/fuzz
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQRV_FUZZ=ON -DQRV_TESTS=ON \
  -DCMAKE_C_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" >/dev/null
cmake --build "$build_dir" -j2 --target fuzz_xml fuzz_evaluate fuzz_condition
for target in xml evaluate condition; do
  work=$build_dir/work/$target
  mkdir -p "$work"
  echo "== fuzz_$target for ${seconds}s"
  "$build_dir/tests/fuzz/fuzz_$target" "$work" "$source_dir/tests/fuzz/corpus/$target" \
    -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 2>&1 |
    tail -n 12
done
