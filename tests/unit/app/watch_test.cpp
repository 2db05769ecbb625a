// The watch on its own: its transitions as a table, and how each kind of
// mode measures its time.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/watch.h"

namespace haltwise::testing {
namespace {

constexpr std::uint32_t kMinute = 60000;
const DateTime kNoon = EncodeDate(2026, 6, 1) + EncodeTime(12, 0, 0, 0);

Moment At(std::uint32_t tick, DateTime now) { return {tick, now}; }
// `ms` after noon on both clocks, the tick count starting at 5000.
Moment After(std::uint32_t ms) { return {5000 + ms, kNoon + ms / kMsPerDay}; }

TEST(WatchTransitions, Table) {
  using Step = std::function<void(Watch&)>;
  const Step armScheduled = [](Watch& w) { w.ArmScheduled(kNoon + kOneMinute, false); };
  const Step armCountDown = [](Watch& w) { w.ArmCountDown(kMinute, false, After(0)); };
  const Step armDisk = [](Watch& w) { w.ArmLoad(ShutdownMode::DiskTraffic, false, After(0)); };
  const Step diskHeld = [](Watch& w) {
    w.Sample(LoadKind::Disk, true, kMinute, After(kMinute + 1));
  };
  const Step netHeld = [](Watch& w) {
    w.Sample(LoadKind::Network, true, kMinute, After(kMinute + 1));
  };
  const Step checkEarly = [](Watch& w) { w.Check(After(kMinute - 1000)); };
  const Step checkLate = [](Watch& w) { w.Check(After(kMinute)); };
  const Step disarm = [](Watch& w) { w.Disarm(); };
  const Step busy = [](Watch& w) { w.CancelForBusyProcessor(); };
  const Step confirm = [](Watch& w) { w.HandOver(true); };
  const Step act = [](Watch& w) { w.HandOver(false); };
  const Step goAhead = [](Watch& w) { w.EndConfirmation(true); };
  const Step cancel = [](Watch& w) { w.EndConfirmation(false); };
  const Step snooze = [](Watch& w) { w.Snooze(kMinute, After(kMinute + 5000)); };

  struct Row {
    const char* name;
    std::vector<Step> steps;
    WatchState state;
    ShutdownMode mode;
  };
  const Row rows[] = {
      {"idle: a check, a sample or a hand-over change nothing",
       {checkLate, diskHeld, busy, confirm, goAhead},
       WatchState::Idle,
       ShutdownMode::None},
      {"armed scheduled, not yet due",
       {armScheduled, checkEarly},
       WatchState::Armed,
       ShutdownMode::Scheduled},
      {"armed scheduled falls due",
       {armScheduled, checkLate},
       WatchState::Due,
       ShutdownMode::Scheduled},
      {"armed count-down falls due",
       {armCountDown, checkLate},
       WatchState::Due,
       ShutdownMode::CountDown},
      {"a time mode ignores held loads",
       {armCountDown, diskHeld, checkEarly},
       WatchState::Armed,
       ShutdownMode::CountDown},
      {"a load mode is due by its own sample",
       {armDisk, diskHeld},
       WatchState::Due,
       ShutdownMode::DiskTraffic},
      {"another load holding does not count",
       {armDisk, netHeld, checkLate},
       WatchState::Armed,
       ShutdownMode::DiskTraffic},
      {"stop while armed", {armDisk, disarm}, WatchState::Idle, ShutdownMode::None},
      {"stop while due", {armScheduled, checkLate, disarm}, WatchState::Idle, ShutdownMode::None},
      {"busy processor at the due moment",
       {armCountDown, checkLate, busy},
       WatchState::Idle,
       ShutdownMode::None},
      {"busy processor only counts when due",
       {armCountDown, busy},
       WatchState::Armed,
       ShutdownMode::CountDown},
      {"due to the confirmation",
       {armCountDown, checkLate, confirm},
       WatchState::Confirming,
       ShutdownMode::CountDown},
      {"due straight to the action",
       {armCountDown, checkLate, act},
       WatchState::Acting,
       ShutdownMode::CountDown},
      {"a hand-over needs a due watch",
       {armCountDown, confirm},
       WatchState::Armed,
       ShutdownMode::CountDown},
      {"confirmed",
       {armDisk, diskHeld, confirm, goAhead},
       WatchState::Acting,
       ShutdownMode::DiskTraffic},
      {"cancelled in the confirmation stays handed over",
       {armDisk, diskHeld, confirm, cancel},
       WatchState::Acting,
       ShutdownMode::DiskTraffic},
      {"a sample during the confirmation changes nothing",
       {armDisk, diskHeld, confirm, diskHeld},
       WatchState::Confirming,
       ShutdownMode::DiskTraffic},
      {"handed over: a check does not act again",
       {armScheduled, checkLate, act, checkLate},
       WatchState::Acting,
       ShutdownMode::Scheduled},
      {"handed over: stop ends it",
       {armScheduled, checkLate, act, disarm},
       WatchState::Idle,
       ShutdownMode::None},
      {"arming again while armed starts afresh",
       {armDisk, armCountDown, checkEarly},
       WatchState::Armed,
       ShutdownMode::CountDown},
      {"arming after a hand-over",
       {armDisk, diskHeld, act, armScheduled},
       WatchState::Armed,
       ShutdownMode::Scheduled},
      {"snoozed in the confirmation: armed again",
       {armCountDown, checkLate, confirm, snooze},
       WatchState::Armed,
       ShutdownMode::CountDown},
      {"a snooze needs the confirmation",
       {armCountDown, checkLate, snooze},
       WatchState::Due,
       ShutdownMode::CountDown},
      {"no snooze once the action went ahead",
       {armDisk, diskHeld, confirm, goAhead, snooze},
       WatchState::Acting,
       ShutdownMode::DiskTraffic},
  };
  for (const Row& row : rows) {
    Watch watch;
    for (const Step& step : row.steps) step(watch);
    EXPECT_EQ(watch.State(), row.state) << row.name;
    EXPECT_EQ(watch.Mode(), row.mode) << row.name;
    EXPECT_EQ(watch.Checking(), row.state == WatchState::Armed || row.state == WatchState::Due)
        << row.name;
  }
}

TEST(WatchTransitions, TheCancelledConfirmationIsRememberedUntilTheNextArming) {
  Watch watch;
  watch.ArmScheduled(kNoon, true);
  ASSERT_TRUE(watch.Check(After(0)));
  watch.HandOver(true);
  watch.EndConfirmation(false);
  EXPECT_TRUE(watch.ActionCancelled());
  EXPECT_TRUE(watch.CpuClause());
  watch.ArmScheduled(kNoon, false);
  EXPECT_FALSE(watch.ActionCancelled());
  EXPECT_FALSE(watch.CpuClause());
}

// A count-down lasts its length on the tick count whatever the wall clock
// does; a scheduled watch follows the wall clock.
TEST(WatchTime, CountDownIgnoresClockChangesAndScheduledFollowsThem) {
  const DateTime anHour = EncodeTime(1, 0, 0, 0);
  for (const DateTime shift : {-anHour, anHour}) {
    Watch countDown;
    countDown.ArmCountDown(kMinute + 2000, false, After(0));
    Watch scheduled;
    scheduled.ArmScheduled(kNoon + kOneMinute, false);
    const Moment shifted = At(After(30000).tick, After(30000).now + shift);
    EXPECT_FALSE(countDown.Check(shifted));
    EXPECT_EQ(countDown.MsLeft(shifted), 32000);
    // The deadline shown moves with the clock.
    EXPECT_NEAR((countDown.Deadline() - (kNoon + shift)) * kSecondsPerDay, 62, 1e-3);
    EXPECT_FALSE(countDown.Check(At(After(kMinute + 1999).tick, shifted.now)));
    EXPECT_TRUE(countDown.Check(At(After(kMinute + 2000).tick, shifted.now)));

    EXPECT_EQ(scheduled.Check(shifted), shift > 0) << "set forward: past the schedule at once";
  }
}

TEST(WatchTime, SmallDifferencesBetweenTheClocksKeepTheShownDeadline) {
  Watch watch;
  watch.ArmCountDown(10 * kMinute, false, After(0));
  const DateTime shown = watch.Deadline();
  watch.Check(At(After(5000).tick + 16, After(5000).now));
  EXPECT_EQ(watch.Deadline(), shown);
}

TEST(WatchTime, CountDownAcrossTheTickCounterWrap) {
  Watch watch;
  watch.ArmCountDown(kMinute, false, At(0xFFFFFFFFu - 1000, kNoon));
  EXPECT_FALSE(watch.Check(At(kMinute - 2002, kNoon)));
  EXPECT_TRUE(watch.Check(At(kMinute - 1001, kNoon)));
}

TEST(WatchLoads, AConditionIsDueStrictlyAfterItsMinutesAndABreakRestartsIt) {
  Watch watch;
  watch.ArmLoad(ShutdownMode::CpuIdle, true, After(0));
  watch.Sample(LoadKind::Cpu, true, kMinute, After(kMinute));
  EXPECT_EQ(watch.State(), WatchState::Armed) << "exactly the minutes: not yet";
  watch.Sample(LoadKind::Cpu, false, kMinute, After(kMinute + 500));
  EXPECT_EQ(watch.Since(LoadKind::Cpu).tick, After(kMinute + 500).tick);
  watch.Sample(LoadKind::Cpu, true, kMinute, After(2 * kMinute + 500));
  EXPECT_EQ(watch.State(), WatchState::Armed);
  watch.Sample(LoadKind::Cpu, true, kMinute, After(2 * kMinute + 501));
  EXPECT_EQ(watch.State(), WatchState::Due);
}

TEST(WatchLoads, ArmingCountsFromNowAndTheSamplesGoOnWhileIdle) {
  Watch watch;
  watch.Sample(LoadKind::Network, false, kMinute, After(0));
  watch.Sample(LoadKind::Disk, false, kMinute, After(0));
  // Quiet for ten minutes before "Start!": only the arming counts.
  watch.ArmLoad(ShutdownMode::NetTraffic, false, After(10 * kMinute));
  EXPECT_EQ(watch.Since(LoadKind::Network).tick, After(10 * kMinute).tick);
  EXPECT_EQ(watch.Since(LoadKind::Disk).tick, After(0).tick);
  watch.Sample(LoadKind::Network, true, kMinute, After(10 * kMinute + 1000));
  EXPECT_EQ(watch.State(), WatchState::Armed);
  watch.Disarm();
  EXPECT_EQ(watch.Since(LoadKind::Network).tick, After(10 * kMinute).tick) << "kept over a stop";

  watch.ArmLoad(ShutdownMode::Custom, false, After(20 * kMinute));
  watch.RestartLoadConditions(After(20 * kMinute + 50000));
  watch.Sample(LoadKind::Custom, true, kMinute, After(21 * kMinute + 1000));
  EXPECT_EQ(watch.State(), WatchState::Armed) << "counted from the restart";
}

TEST(WatchLoads, HeldTimeSurvivesTheTickCounterWrap) {
  Watch watch;
  watch.ArmLoad(ShutdownMode::DiskTraffic, false, At(0xFFFFFFFFu - 500, kNoon));
  watch.Sample(LoadKind::Disk, true, kMinute, At(kMinute - 502, kNoon));
  EXPECT_EQ(watch.State(), WatchState::Armed);
  watch.Sample(LoadKind::Disk, true, kMinute, At(kMinute - 500, kNoon));
  EXPECT_EQ(watch.State(), WatchState::Due);
}

}  // namespace
}  // namespace haltwise::testing
