#!/usr/bin/env bash
# Ring 3: the real Haltwise.exe under Wine on a virtual display, driven by
# the automation client (tests/e2e) through window messages. Each journey
# runs in its own copy of the program folder; screenshots land in
# $HALTWISE_BUILD/e2e/shots as PNG files. Nothing is powered off: every
# journey uses /testonly with the confirmation.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
: "${HALTWISE_BUILD:=$root/build/windows}"
export HALTWISE_BUILD
source scripts/wine_env.sh

exe="$HALTWISE_BUILD/Haltwise.exe"
driver="$HALTWISE_BUILD/haltwise_e2e_driver.exe"
example_skin="$HALTWISE_BUILD/resources/ExampleSkin"
if [ ! -f "$exe" ] || [ ! -f "$driver" ] || [ ! -f "$example_skin/Colors.ini" ]; then
  cmake --build "$HALTWISE_BUILD" --target Haltwise haltwise_e2e_driver example_skin || exit 1
fi

# Replay data made by the generator of tools/, built natively.
replay_tool=""
for candidate in build/native-asan/tools/make_replay build/native/tools/make_replay; do
  [ -x "$candidate" ] && replay_tool=$candidate && break
done
if [ -z "$replay_tool" ]; then
  cmake --preset native >/dev/null && cmake --build --preset native --target make_replay >/dev/null || exit 1
  replay_tool=build/native/tools/make_replay
fi

work="$HALTWISE_BUILD/e2e"
rm -rf "$work" && mkdir -p "$work/shots"
"$replay_tool" --scenario demo --records 120 --output "$work/demo.dat" >/dev/null || exit 1
"$replay_tool" --scenario quiet --records 180 --quiet-after 5 --output "$work/quiet.dat" >/dev/null || exit 1
"$replay_tool" --scenario quiet --records 200 --quiet-after 3 --wifi-gone 10:70 \
  --output "$work/wifi-gone.dat" >/dev/null || exit 1
"$replay_tool" --scenario demo --records 120 --names local --output "$work/local.dat" >/dev/null || exit 1

started_display=0
if [ -z "${DISPLAY:-}" ]; then haltwise_start_display; started_display=1; fi
haltwise_prepare_prefix
cleanup() {
  haltwise_stop_wine
  [ "$started_display" -eq 1 ] && haltwise_stop_display
}
trap cleanup EXIT

# journey <name> <replay file> [skin folder] [program folder]: a fresh
# program folder (named after the journey unless given) with the replay data
# as dump.dat (and the skin as Skin), then the driver.
journey() {
  local name=$1 data=$2 skin=${3:-} dir="$work/${4:-$1}"
  mkdir -p "$dir"
  cp "$exe" "$dir/Haltwise.exe"
  cp "$data" "$dir/dump.dat"
  if [ -n "$skin" ]; then cp -r "$skin" "$dir/Skin"; fi
  (cd "$work" && timeout 240 wine "$driver" "$name" "$(winepath -w "$dir/Haltwise.exe" 2>/dev/null)" shots \
     >"$work/$name.log" 2>&1)
  local status=$?
  if grep -q "Unhandled" "$work/$name.log"; then status=1; fi
  if ! grep -q "journey $name passed" "$work/$name.log"; then status=1; fi
  echo "== $name: $([ $status -eq 0 ] && echo passed || echo FAILED)"
  sed 's/^/   /' "$work/$name.log" | grep -v "^   shot"
  return $status
}

failed=0
journey startup "$work/demo.dat" || failed=$((failed + 1))
# The watches take a minute or more each: they run side by side.
journey countdown "$work/demo.dat" >"$work/countdown.out" 2>&1 &
p1=$!
journey cancel "$work/demo.dat" >"$work/cancel.out" 2>&1 &
p2=$!
journey disk "$work/quiet.dat" >"$work/disk.out" 2>&1 &
p3=$!
journey later "$work/demo.dat" >"$work/later.out" 2>&1 &
p4=$!
journey heads-up "$work/demo.dat" >"$work/heads-up.out" 2>&1 &
p5=$!
journey confirm-keys "$work/demo.dat" >"$work/confirm-keys.out" 2>&1 &
p6=$!
# Wine writes each event-log entry to its debug output: one Warning when the
# chosen adapter goes missing.
WINEDEBUG="-all,+eventlog" journey adapter-gone "$work/wifi-gone.dat" >"$work/adapter-gone.out" 2>&1 &
p7=$!
for p in $p1 $p2 $p3 $p4 $p5 $p6 $p7; do wait $p || failed=$((failed + 1)); done
cat "$work"/{countdown,cancel,disk,later,heads-up,confirm-keys,adapter-gone}.out
missing_warnings=$(grep -c "warn:eventlog.*is missing" "$work/adapter-gone.log")
if [ "$missing_warnings" -eq 1 ]; then
  echo "== event log: one Warning for the missing adapter"
else
  echo "== event log: FAILED, $missing_warnings Warnings for the missing adapter instead of one"
  failed=$((failed + 1))
fi
journey balloon "$work/demo.dat" || failed=$((failed + 1))
journey tray "$work/demo.dat" || failed=$((failed + 1))
journey session "$work/demo.dat" || failed=$((failed + 1))
# CONFIRMATION=NO /testonly: the message and nothing else. A real power call
# writes its event-log entry first; Wine traces every entry.
WINEDEBUG="-all,fixme+advapi,+eventlog" journey rehearsal "$work/demo.dat" || failed=$((failed + 1))
if grep -q "ReportEventW" "$work/rehearsal.log"; then
  echo "== rehearsal: FAILED, an event-log entry was written"
  failed=$((failed + 1))
fi
mkdir -p "$work/bad-skin" && printf 'BM not a bitmap' >"$work/bad-skin/MainForm.bmp"
journey badskin "$work/demo.dat" "$work/bad-skin" || failed=$((failed + 1))
# The window at 100, 150 (with the confirmation) and 200 % (skinned): the
# display scale is the Wine prefix's LogPixels, read when Wine starts.
set_dpi() {
  haltwise_stop_wine
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  haltwise_stop_wine
}
journey scale96 "$work/demo.dat" || failed=$((failed + 1))
set_dpi 144
journey scale144 "$work/demo.dat" || failed=$((failed + 1))
set_dpi 192
journey scale192 "$work/demo.dat" "$example_skin" || failed=$((failed + 1))
set_dpi 96
# Folder, adapters, processes and user named in Cyrillic and CJK letters.
# Wine takes the user's name from USER; its event log writes each entry to
# the debug output, where the user's SID must show.
USER="Тест Пользователь" WINEDEBUG="-all,fixme+advapi,+eventlog" \
  journey unicode "$work/local.dat" "" "Тест 測試" || failed=$((failed + 1))
if grep -q "ReportEventW.*0x0002,0x0000,0x00000001,0*[1-9A-Fa-f]" "$work/unicode.log"; then
  echo "== event log: the busy-processor warning carries the user's SID"
else
  echo "== event log: FAILED, no warning with the user's SID"
  failed=$((failed + 1))
fi
if [ -f "$work/tray/Haltwise.ini" ]; then
  echo "== settings: Haltwise.ini written beside the executable"
else
  echo "== settings: FAILED, no Haltwise.ini beside the executable"
  failed=$((failed + 1))
fi

for shot in "$work"/shots/*.bmp; do
  [ -f "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm -f "$shot"
done
echo "Screenshots: $work/shots"
echo "End-to-end journeys: $failed failed"
exit $((failed > 0))
