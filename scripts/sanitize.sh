#!/usr/bin/env bash
# Builds Fixturo with its tests under AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer, with clang, into build-asan, and runs the whole
# test suite there. Any sanitizer report fails the run.
# Extra arguments go to cmake; FIXTURO_ASAN_DIR chooses another build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
fixturo_install_deps clang libclang-rt-14-dev
dir="${FIXTURO_ASAN_DIR:-build-asan}"
flags="-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
# The suite's own start-up (test discovery runs each test program) is checked
# too, so the options hold for the build as well as for ctest.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_init_order=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" "$@"
cmake --build "$dir" -j"$(nproc)"
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
