#!/usr/bin/env bash
# The whole test suite: a normal build, an AddressSanitizer + UndefinedBehavior-
# Sanitizer build and a ThreadSanitizer build, each with all tests, then the
# fuzzers (host chunk, preset records, settings text) for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=2
fuzz_seconds="${FUZZ_SECONDS:-30}"
record_fuzz_seconds="${RECORD_FUZZ_SECONDS:-8}"  # the preset records and the settings text

run_suite() {  # name, extra cmake options...
  local dir="build-test-$1"
  shift
  echo "== build $dir"
  cmake -S . -B "$dir" -DKV_BUILD_BENCH=OFF -DKV_WERROR=ON "$@" >/dev/null
  # A warning fails the build; only its messages are shown.
  cmake --build "$dir" -j"$jobs" >"$dir/build.log" 2>&1 ||
    { grep -E -A5 "warning|error" "$dir/build.log"; exit 1; }
  echo "== tests in $dir"
  # The editor tests open real windows on a virtual X server.
  (cd "$dir" && xvfb-run -a -s "-screen 0 1024x768x24" ctest --output-on-failure -j"$jobs")
}

run_suite release -DCMAKE_BUILD_TYPE=Release
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite asan -DCMAKE_BUILD_TYPE=Debug -DKV_SANITIZE=address,undefined
TSAN_OPTIONS=halt_on_error=1 \
  run_suite tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_SANITIZE=thread -DKV_BUILD_TOOLS=OFF

fuzz_dir=build-test-fuzz
CC=clang CXX=clang++ cmake -S . -B "$fuzz_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKV_BUILD_FUZZ=ON -DKV_BUILD_TESTS=OFF -DKV_BUILD_BENCH=OFF -DKV_BUILD_TOOLS=OFF \
  -DKV_SANITIZE=address,undefined >/dev/null
cmake --build "$fuzz_dir" -j"$jobs" --target chunk_fuzz record_fuzz settings_text_fuzz >/dev/null
# The plug-ins read the remembered values when they start: give them none.
export XDG_CONFIG_HOME="$PWD/$fuzz_dir/empty-config-home"

run_fuzzer() {  # target, seed folder, seconds
  local corpus="$fuzz_dir/corpus-$1"
  echo "== fuzzing $1 for $3 s"
  rm -rf "$corpus" && mkdir -p "$corpus" && cp "$2"/* "$corpus/"
  "$fuzz_dir/fuzz/$1" -max_total_time="$3" -print_final_stats=1 "$corpus" \
    2>"$fuzz_dir/$1.log" || { tail -40 "$fuzz_dir/$1.log"; exit 1; }
  grep -E "stat::number_of_executed_units" "$fuzz_dir/$1.log"
}

run_fuzzer chunk_fuzz fuzz/seeds "$fuzz_seconds"
run_fuzzer record_fuzz fuzz/record_seeds "$record_fuzz_seconds"
run_fuzzer settings_text_fuzz fuzz/settings_seeds "$record_fuzz_seconds"
echo "fuzz: 3 passed, 0 failed"
