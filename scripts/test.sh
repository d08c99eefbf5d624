#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test tier through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOSARO_WERROR=ON >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j2
