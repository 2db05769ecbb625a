#!/usr/bin/env bash
# Runs haltwise_win_tests.exe under Wine (environment from wine_env.sh) and
# trusts only its XML report: a crashing exe under Wine may still exit 0.
set -uo pipefail
cd "$(dirname "$0")/.."
: "${HALTWISE_BUILD:=$(pwd)/build/windows}"
work="$HALTWISE_BUILD/win-tests"
rm -rf "$work" && mkdir -p "$work"
cp "$HALTWISE_BUILD/tests/haltwise_win_tests.exe" "$work/"
# The test data by its Windows path: __FILE__ is relative when a compiler
# cache rewrites paths, and the tests run from their own folder.
HALTWISE_TEST_DATA=$(winepath -w "$(pwd)/tests/data" 2>/dev/null) && export HALTWISE_TEST_DATA
cd "$work"
timeout 900 wine haltwise_win_tests.exe --gtest_output=xml:report.xml "$@" >log.txt 2>&1
status=$?
tail -n 5 log.txt
if grep -q "Unhandled" log.txt; then grep -m1 -B1 "Unhandled" log.txt; echo "The Windows tests crashed"; exit 1; fi
if [ ! -f report.xml ]; then echo "No test report: the Windows tests did not finish (status $status)"; exit 1; fi
failures=$(grep -o 'failures="[0-9]*"' report.xml | head -1 | grep -o '[0-9]*')
errors=$(grep -o 'errors="[0-9]*"' report.xml | head -1 | grep -o '[0-9]*')
[ "$status" -eq 0 ] && [ "${failures:-1}" -eq 0 ] && [ "${errors:-1}" -eq 0 ]
