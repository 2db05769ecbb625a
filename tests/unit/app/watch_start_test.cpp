// Arming, disarming and choosing modes on the main window's models.
#include "app_fixture.h"

namespace haltwise::testing {
namespace {

using WatchStart = AppFixture;

TEST_F(WatchStart, StartWithoutAnActionOnlyShowsTheBalloon) {
  form->btnCntDn.UserClick();
  form->btnStart.UserClick();
  EXPECT_FALSE(form->btnStart.Down());
  EXPECT_EQ(form->CurrentWatch().Mode(), ShutdownMode::None);
  EXPECT_FALSE(form->tmrCheck.Enabled());
  EXPECT_EQ(notifier.shown.back(), "balloon[btnStart,5000]: Please select an action to perform.");
}

TEST_F(WatchStart, StartWithoutAModeBeepsAndResets) {
  form->chkShutdown.UserClick();
  form->btnStart.UserClick();
  EXPECT_FALSE(form->btnStart.Down());
  EXPECT_EQ(form->btnStart.Caption(), "Start!");
  EXPECT_EQ(notifier.shown.back(), "beep: 48");
  EXPECT_EQ(form->lblStatusBar.Caption(), "No shutdown in progress.");
  EXPECT_EQ(form->LCD.Text(), "00:00:00:00\r\n");
}

TEST_F(WatchStart, ArmingHighlightsTheModeAndStopDisarmsEverything) {
  form->btnCntDn.UserClick();
  EXPECT_EQ(form->pcConfig.ActivePageName(), "tsCntDn");
  EXPECT_EQ(form->lblStatusBar.Caption(), "Shutdown when the desired time has elapsed.");
  form->chkReboot.UserClick();
  form->btnStart.UserClick();
  EXPECT_EQ(form->btnStart.Caption(), "Stop!");
  EXPECT_EQ(form->CurrentWatch().Mode(), ShutdownMode::CountDown);
  EXPECT_TRUE(form->btnCntDn.Bold());
  EXPECT_EQ(form->btnCntDn.FontColor(), form->skinColors.ButtonsCaptionActive);
  EXPECT_TRUE(form->tmrCheck.Enabled());

  form->btnStart.UserClick();
  EXPECT_EQ(form->btnStart.Caption(), "Start!");
  EXPECT_EQ(form->CurrentWatch().Mode(), ShutdownMode::None);
  EXPECT_FALSE(form->tmrCheck.Enabled());
  EXPECT_FALSE(form->btnCntDn.Down());
  EXPECT_FALSE(form->btnCntDn.Bold());
  EXPECT_EQ(form->btnCntDn.FontColor(), form->skinColors.ButtonsCaptionInactive);
}

TEST_F(WatchStart, CountDownTargetsAddTwoSecondsAndHold999Hours) {
  form->chkLogOff.UserClick();
  form->btnCntDn.UserClick();
  form->edtCntDn.SetValue(2);
  const DateTime armedAt = clock.Now();
  form->btnStart.UserClick();
  EXPECT_NEAR((form->CurrentWatch().Deadline() - armedAt) * kSecondsPerDay, 2 * 3600 + 2, 1e-3);

  form->btnStart.UserClick();
  form->btnCntDn.UserClick();
  form->edtCntDn.SetValue(999);
  form->btnStart.UserClick();
  EXPECT_NEAR((form->CurrentWatch().Deadline() - armedAt) * kSecondsPerDay, 999.0 * 3600 + 2, 1e-3);
}

TEST_F(WatchStart, ScheduledCombinesThePickersDateAndTime) {
  form->chkLogOff.UserClick();
  form->TimeSched.SetValue(EncodeDate(2020, 1, 1) + EncodeTime(8, 30, 0, 0));
  form->DateSched.UserChange(EncodeDate(2027, 6, 1) + EncodeTime(17, 0, 0, 0));
  form->btnSched.UserClick();
  form->btnStart.UserClick();
  EXPECT_EQ(form->CurrentWatch().Deadline(), EncodeDate(2027, 6, 1) + EncodeTime(8, 30, 0, 0));
  // The date picker's change handler keeps both pickers on the same day.
  EXPECT_EQ(DateOf(form->TimeSched.Value()), EncodeDate(2027, 6, 1));
}

TEST_F(WatchStart, ModeClickWhileArmedIsRefusedButShowsThePage) {
  form->chkLogOff.UserClick();
  form->btnIdle.UserClick();
  form->btnStart.UserClick();
  form->btnNetTr.UserClick();
  EXPECT_EQ(notifier.shown.back(),
            "balloon[btnStart,5000]: Stop current shutdown to make any changes.");
  EXPECT_FALSE(form->btnNetTr.Down());
  EXPECT_TRUE(form->btnIdle.Down());
  EXPECT_EQ(form->pcConfig.ActivePageName(), "tsNetTr");
  EXPECT_EQ(form->CurrentWatch().Mode(), ShutdownMode::CpuIdle);
}

TEST_F(WatchStart, ARefusedClickOnTheArmedModesButtonChangesNothing) {
  struct Case {
    const char* arguments;
    Button TfrmShutdown::*armed;
    ShutdownMode mode;
  };
  const Case cases[] = {
      {"MODE=IDLETIME ACTION=LOGOFF", &TfrmShutdown::btnIdle, ShutdownMode::CpuIdle},
      {"MODE=COUNTDOWN MINUTES=5 CPU=20 ACTION=LOGOFF", &TfrmShutdown::btnCntDn,
       ShutdownMode::CountDown},
  };
  for (const Case& c : cases) {
    Recreate(c.arguments);
    form->FormCreate();
    form->btnStart.UserClick();
    for (Button* clicked : {&form->btnIdle, &(*form.*c.armed)}) {
      clicked->UserClick();
      EXPECT_EQ(notifier.shown.back(),
                "balloon[btnStart,5000]: Stop current shutdown to make any changes.");
      EXPECT_TRUE(clicked->Down()) << c.arguments << " " << clicked->Name();
      EXPECT_TRUE(clicked->Bold()) << c.arguments << " " << clicked->Name();
    }
    EXPECT_TRUE(form->CpuConditionArmed()) << c.arguments;
    EXPECT_EQ(form->CurrentWatch().Mode(), c.mode);
  }
}

TEST_F(WatchStart, StopWithEveryActionReleasedKeepsTheWatchArmed) {
  form->chkLogOff.UserClick();
  form->btnCntDn.UserClick();
  form->btnStart.UserClick();
  form->chkLogOff.UserClick();  // released again: no action left
  form->btnStart.UserClick();
  EXPECT_FALSE(form->btnStart.Down());
  EXPECT_EQ(form->btnStart.Caption(), "Stop!");
  EXPECT_TRUE(form->tmrCheck.Enabled());
  EXPECT_EQ(form->CurrentWatch().Mode(), ShutdownMode::CountDown);

  form->chkHibernate.UserClick();
  const DateTime before = form->CurrentWatch().Deadline();
  clock.Advance(5000);
  form->btnStart.UserClick();  // arms anew
  EXPECT_TRUE(form->btnStart.Down());
  EXPECT_GT(form->CurrentWatch().Deadline(), before);
}

TEST_F(WatchStart, ActionTogglesAreOneOfFiveAndForceStandsAlone) {
  form->chkShutdown.UserClick();
  form->chkReboot.UserClick();
  form->chkForce.UserClick();
  EXPECT_FALSE(form->chkShutdown.Down());
  EXPECT_TRUE(form->chkReboot.Down());
  EXPECT_TRUE(form->chkForce.Down());
  form->chkReboot.UserClick();
  EXPECT_FALSE(form->chkReboot.Down());
  EXPECT_TRUE(form->chkForce.Down());
}

TEST(ActionCodes, FromTheTogglesInTheirOrder) {
  struct Case {
    ActionToggles toggles;
    std::int32_t code;
  };
  const Case cases[] = {
      {{.logOff = true}, 0},
      {{.reboot = true}, 2},
      {{.shutdown = true}, 9},
      {{.logOff = true, .force = true}, 4},
      {{.reboot = true, .force = true}, 6},
      {{.shutdown = true, .force = true}, 13},
      {{.suspend = true}, -1},
      {{.hibernate = true, .force = true}, -1},
      {{}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ActionCode(c.toggles), c.code);
}

}  // namespace
}  // namespace haltwise::testing
