#!/usr/bin/env bash
# Builds the icon parser fuzzer with clang and runs it for a bounded time, seeded with the
# sample icon files. Any crash, leak, sanitizer report or oversized allocation fails the run.
#   run_icon_fuzz.sh <build folder> <make_icon_fixtures program> <seconds>
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$1" make_fixtures="$2" seconds="$3"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" >/dev/null

seeds="$build/seeds" corpus="$build/corpus"
mkdir -p "$seeds" "$corpus"
"$make_fixtures" "$seeds"

"$build/icon_parsers_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
  -malloc_limit_mb=64 -print_final_stats=1 -artifact_prefix="$build/" "$corpus" "$seeds"
