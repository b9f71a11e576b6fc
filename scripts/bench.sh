#!/usr/bin/env bash
# Builds the benchmarks (optimised, into build-bench) and runs them: the core's
# refresh cycle and results file, then the main window's start-up against a
# bare window. Arguments go to core_bench (e.g. --benchmark_filter=Refresh).
# STARTUP_RUNS sets how many start-ups of each window are measured (default 9).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
fixturo_install_deps libbenchmark-dev
cmake --preset bench
cmake --build --preset bench -j"$(nproc)"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
./build-bench/bench/core_bench --benchmark_min_time=0.5 "$@"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" ./build-bench/bench/startup_bench "${STARTUP_RUNS:-9}"
