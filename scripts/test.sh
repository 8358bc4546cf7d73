#!/usr/bin/env bash
# The whole test suite: a normal build, an AddressSanitizer + UndefinedBehavior-
# Sanitizer build and a ThreadSanitizer build, each with all tests, then the
# chunk fuzzer for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=2
fuzz_seconds="${FUZZ_SECONDS:-30}"

run_suite() {  # name, extra cmake options...
  local dir="build-test-$1"
  shift
  echo "== build $dir"
  cmake -S . -B "$dir" -DKV_BUILD_BENCH=OFF "$@" >/dev/null
  cmake --build "$dir" -j"$jobs" 2>&1 | grep -E "warning|error" || true
  cmake --build "$dir" -j"$jobs" >/dev/null
  echo "== tests in $dir"
  # The editor tests open real windows on a virtual X server.
  (cd "$dir" && xvfb-run -a -s "-screen 0 1024x768x24" ctest --output-on-failure -j"$jobs")
}

run_suite release -DCMAKE_BUILD_TYPE=Release
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite asan -DCMAKE_BUILD_TYPE=Debug -DKV_SANITIZE=address,undefined
TSAN_OPTIONS=halt_on_error=1 \
  run_suite tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_SANITIZE=thread -DKV_BUILD_TOOLS=OFF

echo "== fuzzing the host chunk for ${fuzz_seconds} s"
fuzz_dir=build-test-fuzz
CC=clang CXX=clang++ cmake -S . -B "$fuzz_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKV_BUILD_FUZZ=ON -DKV_BUILD_TESTS=OFF -DKV_BUILD_BENCH=OFF -DKV_BUILD_TOOLS=OFF \
  -DKV_SANITIZE=address,undefined >/dev/null
cmake --build "$fuzz_dir" -j"$jobs" --target chunk_fuzz >/dev/null
corpus="$fuzz_dir/corpus"
rm -rf "$corpus" && mkdir -p "$corpus" && cp fuzz/seeds/* "$corpus/"
"$fuzz_dir/fuzz/chunk_fuzz" -max_total_time="$fuzz_seconds" -print_final_stats=1 "$corpus" \
  2>"$fuzz_dir/fuzz.log" || { tail -40 "$fuzz_dir/fuzz.log"; exit 1; }
grep -E "stat::number_of_executed_units" "$fuzz_dir/fuzz.log"
echo "fuzz: 1 passed, 0 failed"
