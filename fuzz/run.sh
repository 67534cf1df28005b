#!/usr/bin/env bash
# Builds the INI fuzz target with clang and runs it for a bounded time.
# Inputs that once failed are kept in fuzz/regressions and run first.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build="$here/build/fuzz"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DQW_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_bigini >/dev/null
corpus="$build/corpus"
mkdir -p "$corpus"
cp -n "$here"/fuzz/regressions/* "$corpus"/ 2>/dev/null || true
# Every kept input first, then new inputs for the given time.
"$build/fuzz/fuzz_bigini" -runs=0 "$here/fuzz/regressions"
cd "$build"
"$build/fuzz/fuzz_bigini" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
echo "fuzz: INI round trip ran for ${seconds}s without a crash or leak"
