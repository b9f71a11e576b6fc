#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes of
# it (.clang-format at the root). Run `git ls-files '*.cpp' '*.h' | xargs
# clang-format -i` to format them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
fixturo_install_deps clang-format
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "format: clean"
