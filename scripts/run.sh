#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Mosaro.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DMOSARO_TESTS=OFF -DMOSARO_BENCH=OFF >/dev/null
cmake --build build/release --target mosaro
exec build/release/src/mosaro
