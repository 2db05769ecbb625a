#!/usr/bin/env bash
# Builds the libFuzzer target of the performance data reader with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer, without CMake. The seeds in
# fuzz/corpus/perf are a replay file of two snapshots
# (make_replay --scenario demo --records 2) and its first snapshot alone.
#
#   fuzz/build_perf_fuzz.sh [output folder]      (default: build/fuzz)
#   build/fuzz/perf_fuzz -max_total_time=60 build/fuzz/corpus fuzz/corpus/perf
#
# Needs clang and its runtime (apt-get install -y clang libclang-rt-14-dev).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/fuzz}
mkdir -p "$out/corpus"
sources=("$root"/src/perf/*.cpp "$root"/src/perf/testing/*.cpp "$root"/src/platform/*.cpp
         "$root"/src/platform/fake/*.cpp)
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root/src" "$root/fuzz/perf_fuzz.cpp" "${sources[@]}" -o "$out/perf_fuzz"
echo "Built $out/perf_fuzz"
