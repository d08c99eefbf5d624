#!/usr/bin/env bash
# Installs what is missing, builds a release build, installs it into ~/.local (program, menu
# entry, icons) and starts the installed Mosaro, so the data file stays out of the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh run
prefix="$HOME/.local"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DMOSARO_TESTS=OFF -DMOSARO_BENCH=OFF >/dev/null
cmake --build build/release
cmake --install build/release >/dev/null
# Earlier versions of this script ran Mosaro inside the build folder; bring its data along once.
if [ -f build/release/src/Mosaro.dat ] && [ ! -e "$prefix/bin/Mosaro.dat" ]; then
  mv build/release/src/Mosaro.dat "$prefix/bin/Mosaro.dat"
fi
exec "$prefix/bin/mosaro"
