#!/usr/bin/env bash
# Sets up what is missing, then runs every test ring:
#   1. unit tests, native, under AddressSanitizer and UndefinedBehaviorSanitizer;
#   2. the Windows build's tests under Wine (real registry, GDI, ini files);
#   3. the end-to-end journeys: the real Haltwise.exe driven under Wine on Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/setup.sh

echo "== Ring 1: unit tests (ASan + UBSan)"
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ring1=0
ctest --preset native-asan -j2 >build/native-asan/ctest.log 2>&1 || ring1=$?
grep -E "\*\*\*" build/native-asan/ctest.log || true
tail -n 3 build/native-asan/ctest.log
scripts/fuzz.sh || ring1=1  # every fuzz target built with clang and run a few seconds

echo "== Ring 2: Windows tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows
export HALTWISE_BUILD="$root/build/windows"
source scripts/wine_env.sh
haltwise_start_display
trap 'haltwise_stop_wine; haltwise_stop_display' EXIT
haltwise_prepare_prefix
ring2=0
scripts/run_win_tests.sh || ring2=$?

ring3=0
if [ -x scripts/e2e.sh ]; then
  echo "== Ring 3: end-to-end journeys"
  scripts/e2e.sh || ring3=$?
fi

failed=0
for r in $ring1 $ring2 $ring3; do [ "$r" -eq 0 ] || failed=$((failed + 1)); done
echo "Rings: $((3 - failed)) passed, $failed failed"
exit $failed
