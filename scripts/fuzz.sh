#!/usr/bin/env bash
# Builds the results-file fuzzer (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz and runs it for the given number
# of seconds (default 60). New inputs go to build-fuzz/corpus; the seed files in
# fuzz/corpus stay as they are. A crash leaves its input in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
source scripts/deps.sh
fixturo_install_deps clang libclang-rt-14-dev
cmake --preset fuzz
cmake --build --preset fuzz -j"$(nproc)"
mkdir -p build-fuzz/corpus
cd build-fuzz
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}" \
UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" \
    ./fuzz/results_file_fuzzer -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 corpus ../fuzz/corpus
