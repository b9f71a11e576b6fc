#!/usr/bin/env bash
# Builds Fixturo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
fixturo_install_deps
cmake --preset default "$@"
cmake --build --preset default -j"$(nproc)" --target fixturo
exec ./build/src/fixturo
