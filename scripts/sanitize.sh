#!/usr/bin/env bash
# Builds Fixturo with its tests under AddressSanitizer (with LeakSanitizer),
# UndefinedBehaviorSanitizer and the standard library's bounds checks, with
# clang, into build-asan, and runs the whole suite there ("asan" presets).
# Any sanitizer report fails the run. Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
fixturo_install_deps clang libclang-rt-14-dev
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
# Test discovery runs each test program during the build: the options hold there too.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_init_order=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
cmake --preset asan "$@"
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan -j"$(nproc)"
