// The once-a-second check: what it shows, and when it hands over.
#include "app_fixture.h"

namespace haltwise::testing {
namespace {

using WatchCheck = AppFixture;

TEST_F(WatchCheck, CountDownOfOneMinuteFallsDueAfterSixtyTwoSeconds) {
  Recreate("MODE=COUNTDOWN MINUTES=1 ACTION=SHUTDOWN /testonly");
  form->chkShutdown.SetDown(true);
  form->btnCntDn.UserClick();
  form->chkMins.SetChecked(true);
  form->btnStart.UserClick();

  AdvanceSeconds(1);
  EXPECT_EQ(form->LCD.Text(), "00:00:01:01\r\n");
  EXPECT_EQ(form->lblStatusBar.Caption(),
            "Shutdown will ocurr at 01/06/2026 12:01:02, in 00:00:01:01.");
  EXPECT_EQ(form->JvTray.Hint(), form->lblStatusBar.Caption());

  AdvanceSeconds(60);
  EXPECT_EQ(confirmation.shown, 0);
  AdvanceSeconds(1);  // 62 seconds after arming
  EXPECT_EQ(confirmation.shown, 1);
  EXPECT_EQ(confirmation.lastLabel, "Shutdown will occur in 0 seconds...");
  EXPECT_EQ(notifier.shown.back(), "message: Test Shutdown mode 9");
  EXPECT_EQ(power.CountCalls("ExitWindowsEx"), 0);
  EXPECT_TRUE(events.events.empty());
  // Handed over: the armed look stays, the check stops.
  EXPECT_FALSE(form->tmrCheck.Enabled());
  EXPECT_TRUE(form->btnStart.Down());
  EXPECT_EQ(form->btnStart.Caption(), "Stop!");
}

// A clock correction or a daylight-saving change neither stretches nor
// shortens a count-down.
TEST_F(WatchCheck, CountDownKeepsItsLengthWhenTheClockIsSet) {
  for (const int hours : {-1, 1}) {
    Recreate("MODE=COUNTDOWN MINUTES=1 ACTION=SHUTDOWN /testonly");
    form->FormCreate();
    form->btnStart.UserClick();
    AdvanceSeconds(30);
    clock.SetLocal(clock.Now() + hours * EncodeTime(1, 0, 0, 0));
    AdvanceSeconds(1);
    EXPECT_EQ(form->LCD.Text(), "00:00:00:31\r\n") << hours;
    AdvanceSeconds(30);
    EXPECT_EQ(confirmation.shown, 0) << hours;
    AdvanceSeconds(1);  // 62 seconds after arming
    EXPECT_EQ(confirmation.shown, 1) << hours;
    confirmation.shown = 0;
  }
}

TEST_F(WatchCheck, ScheduledTargetsShowDaysHoursMinutesSeconds) {
  form->chkLogOff.UserClick();
  const DateTime target = clock.Now() + 123 + EncodeTime(3, 4, 6, 0);
  form->DateSched.UserChange(target);
  form->TimeSched.SetValue(target);
  form->btnSched.UserClick();
  form->btnStart.UserClick();
  AdvanceSeconds(1);
  EXPECT_EQ(form->LCD.Text(), "123:03:04:05\r\n");
}

TEST_F(WatchCheck, APastScheduleIsDueAtTheFirstTick) {
  form->chkLogOff.UserClick();
  form->DateSched.UserChange(clock.Now() - 2);
  form->btnSched.UserClick();
  form->btnStart.UserClick();
  AdvanceSeconds(1);
  EXPECT_EQ(confirmation.shown, 1);
}

TEST_F(WatchCheck, LoadModesShowTheirAllowanceAndHeldTime) {
  form->chkLogOff.UserClick();
  form->btnIdle.UserClick();
  form->btnStart.UserClick();
  AdvanceSeconds(1);
  EXPECT_EQ(form->LCD.Text(), "00:00:03:00\r\n");
  EXPECT_EQ(form->lblStatusBar.Caption(),
            "Processor under 10% for 01 seconds. Shutdown will ocurr in 00:00:03:00.");
  EXPECT_EQ(form->CurrentWatch().State(), WatchState::Armed);
}

TEST_F(WatchCheck, LoadAllowancesForLongMinutes) {
  const std::pair<int, const char*> cases[] = {{90, "00:01:30:00\r\n"}, {999, "00:16:39:00\r\n"}};
  for (const auto& [minutes, lcd] : cases) {
    Recreate("");
    form->chkLogOff.UserClick();
    form->edtDiskMin.SetValue(minutes);
    form->btnDiskTr.UserClick();
    form->btnStart.UserClick();
    AdvanceSeconds(1);
    EXPECT_EQ(form->LCD.Text(), lcd) << minutes;
    EXPECT_EQ(form->lblStatusBar.Caption(),
              std::string("Disk Transfer under 10 KBytes for 01 seconds. Shutdown will ocurr in ") +
                  std::string(lcd).substr(0, 11) + ".");
  }
}

TEST_F(WatchCheck, CustomWithNothingChosenStartsWithTwoBlanks) {
  form->chkLogOff.UserClick();
  form->btnCustom.UserClick();
  form->btnStart.UserClick();
  AdvanceSeconds(1);
  EXPECT_EQ(form->lblStatusBar.Caption().substr(0, 12), "   between 5");
}

TEST_F(WatchCheck, HeldTimeSurvivesTheTickCounterWrapping) {
  clock.SetTick(0xFFFFFFFFu - 1500);
  form->chkLogOff.UserClick();
  form->btnNetTr.UserClick();
  form->btnStart.UserClick();
  AdvanceSeconds(3);
  EXPECT_LT(clock.TickCount(), 2000u);  // wrapped past 2^32
  EXPECT_EQ(form->lblStatusBar.Caption(),
            "Network usage under 10 KBytes for 03 seconds. Shutdown will ocurr in 00:00:02:58.");
}

}  // namespace
}  // namespace haltwise::testing
