#!/usr/bin/env bash
# Builds Haltwise for Windows and starts it under Wine, on a virtual display
# when none is set, with the demo replay data as its performance data.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Haltwise
export HALTWISE_BUILD="$root/build/windows"
source scripts/wine_env.sh
started_display=0
if [ -z "${DISPLAY:-}" ]; then
  haltwise_start_display
  started_display=1
  echo "No display was set: Haltwise runs on the virtual display $DISPLAY"
fi
haltwise_prepare_prefix

run="$HALTWISE_BUILD/run"
mkdir -p "$run"
cp "$HALTWISE_BUILD/Haltwise.exe" "$run/"
mkdir -p "$run/Help"
cp assets/Help/*.htm* "$run/Help/" 2>/dev/null || true
if [ -f assets/demo/dump.dat ]; then cp assets/demo/dump.dat "$run/dump.dat"; fi
cd "$run"
status=0
wine Haltwise.exe "$@" || status=$?
haltwise_stop_wine
[ "$started_display" -eq 1 ] && haltwise_stop_display
exit $status
