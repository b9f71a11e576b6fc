#!/usr/bin/env bash
# Builds Fixturo with its tests and runs every test (the "default" presets).
# Extra arguments go to cmake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
fixturo_install_deps
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cmake --preset default "$@"
cmake --build --preset default -j"$(nproc)"
ctest --preset default -j"$(nproc)"
