#!/usr/bin/env bash
# Builds every libFuzzer target of fuzz/ with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs each for a few seconds from its seed
# corpus (fuzz/corpus/<name> and tests/data/<name> where the unit tests keep
# files of that format, with fuzz/dict/<name>.dict where there is one).
# New inputs go to a scratch corpus in the build folder, never into the repo.
#
#   scripts/fuzz.sh                     a few seconds each (CI)
#   FUZZ_SECONDS=900 scripts/fuzz.sh    longer runs
#   scripts/fuzz.sh bmp ini             only these targets
#
# A finding is saved as <build>/fuzz-work/<target>-crash-... and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${HALTWISE_FUZZ_BUILD:-build/fuzz-targets}
seconds=${FUZZ_SECONDS:-3}

names=("$@")
if ((${#names[@]} == 0)); then
  for source in fuzz/*_fuzz.cpp; do
    name=$(basename "$source" .cpp)
    names+=("${name%_fuzz}")
  done
fi
targets=()
for name in "${names[@]}"; do targets+=("${name}_fuzz"); done

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALTWISE_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}" >/dev/null

work="$build/fuzz-work"
mkdir -p "$work"
failed=0
for name in "${names[@]}"; do
  scratch="$work/$name"
  rm -rf "$scratch"
  mkdir -p "$scratch"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$work/$name-")
  [ -f "fuzz/dict/$name.dict" ] && options+=(-dict="fuzz/dict/$name.dict")
  log="$work/$name.log"
  # The unit tests' fixtures of the same format seed the run as well.
  seeds=("fuzz/corpus/$name")
  [ -d "tests/data/$name" ] && seeds+=("tests/data/$name")
  if "$build/fuzz/${name}_fuzz" "${options[@]}" "$scratch" "${seeds[@]}" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1)
    echo "fuzz $name: $runs runs, $coverage"
  else
    echo "fuzz $name: FAILED, see $log"
    grep -E "ERROR|FUZZ CHECK|runtime error|Test unit written" "$log" | head -n 5 || true
    failed=1
  fi
done
exit $failed
