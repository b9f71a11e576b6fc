#!/usr/bin/env bash
# Builds Fixturo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
fixturo_install_deps
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build -j"$(nproc)" --target fixturo
exec ./build/src/fixturo
