// "Snooze" in the confirmation puts the due action off: a time watch by the
// snooze length, a load watch until its condition has held that long again.
#include "perf_machine.h"

namespace haltwise::testing {
namespace {

class Snooze : public MachineFixture {
 protected:
  // The next `times` confirmations are snoozed three seconds after they
  // open; the one after that runs out.
  void SnoozeNext(int times) {
    confirmation.onEachSecond = [this, times](TfrmConfirm& dialog) mutable {
      if (times > 0 && dialog.SecondsLeft() == 8) {
        --times;
        snoozedAt.push_back(clock.Now());
        dialog.btnSnoozeClick();
      }
    };
  }
  std::string Status() const { return form->lblStatusBar.Caption(); }
  // Time watches need no performance data: created, not activated.
  void Start(const std::string& arguments) {
    Recreate(arguments);
    form->FormCreate();
  }

  std::vector<DateTime> snoozedAt;
};

TEST_F(Snooze, ATimeWatchMovesItsDeadlineTwiceInARowThenActs) {
  Start("MODE=COUNTDOWN MINUTES=1 SNOOZE=2 ACTION=SHUTDOWN /testonly");
  SnoozeNext(2);
  form->btnStart.UserClick();
  AdvanceSeconds(62);  // due; snoozed at 12:01:05
  ASSERT_EQ(confirmation.shown, 1);
  ASSERT_EQ(snoozedAt.size(), 1u);
  EXPECT_TRUE(form->tmrCheck.Enabled());
  EXPECT_EQ(Status(),
            "Snoozed until 12:03:05. Shutdown will ocurr at 01/06/2026 12:03:05, in "
            "00:00:02:00.");
  AdvanceSeconds(1);
  EXPECT_EQ(Status(),
            "Snoozed until 12:03:05. Shutdown will ocurr at 01/06/2026 12:03:05, in "
            "00:00:01:59.");
  EXPECT_EQ(form->JvTray.Hint(), Status());

  AdvanceSeconds(118);
  EXPECT_EQ(confirmation.shown, 1);
  AdvanceSeconds(1);  // 12:03:05: asked again, and snoozed again
  EXPECT_EQ(confirmation.shown, 2);
  EXPECT_EQ(Status(),
            "Snoozed until 12:05:08. Shutdown will ocurr at 01/06/2026 12:05:08, in "
            "00:00:02:00.");
  AdvanceSeconds(120);
  EXPECT_EQ(confirmation.shown, 3);  // ran out this time
  EXPECT_EQ(notifier.shown.back(), "message: Test Shutdown mode 9");
  EXPECT_EQ(power.CountCalls("ExitWindowsEx"), 0);
}

TEST_F(Snooze, AScheduledWatchActsTheSnoozeLengthAfterTheSnooze) {
  Start("ACTION=REBOOT /testonly");
  form->DateSched.UserChange(clock.Now());
  form->TimeSched.SetValue(clock.Now() + EncodeTime(0, 0, 30, 0));
  form->btnSched.UserClick();
  SnoozeNext(1);
  form->btnStart.UserClick();
  AdvanceSeconds(30);  // due at 12:00:30, snoozed at 12:00:33 for the default 10 minutes
  ASSERT_EQ(snoozedAt.size(), 1u);
  EXPECT_EQ(Status(),
            "Snoozed until 12:10:33. Shutdown will ocurr at 01/06/2026 12:10:33, in "
            "00:00:10:00.");
  AdvanceSeconds(599);
  EXPECT_EQ(confirmation.shown, 1);
  AdvanceSeconds(1);
  EXPECT_EQ(confirmation.shown, 2);
  EXPECT_EQ(notifier.shown.back(), "message: Test Shutdown mode 2");
}

// A quiet machine: the processor stays under its limit from the start.
TEST_F(Snooze, ALoadWatchNeedsItsConditionToHoldTheSnoozeLengthAgain) {
  UseMachine(perftest::Scenario::Quiet, 0);
  StartWindow("MODE=IDLETIME MINUTES=3 SNOOZE=1 ACTION=LOGOFF /testonly");
  AdvanceSeconds(5);  // the processor meter needs two samples
  SnoozeNext(2);
  form->btnStart.UserClick();
  AdvanceSeconds(182);
  ASSERT_EQ(confirmation.shown, 1);
  ASSERT_EQ(snoozedAt.size(), 1u);
  AdvanceSeconds(1);
  EXPECT_EQ(Status(),
            "Snoozed until " + locale.LongTime(snoozedAt[0] + kOneMinute) +
                ". Processor under 10% for 01 seconds. Shutdown will ocurr in 00:00:01:00.");
  // One minute of quiet again, not the three of the watch.
  AdvanceSeconds(58);
  EXPECT_EQ(confirmation.shown, 1);
  AdvanceSeconds(3);
  EXPECT_EQ(confirmation.shown, 2);
  ASSERT_EQ(snoozedAt.size(), 2u);
  AdvanceSeconds(64);
  EXPECT_EQ(confirmation.shown, 3);
  EXPECT_EQ(notifier.shown.back(), "message: Test Shutdown mode 0");
}

// The safety of the dialog: a close by any other way than "Snooze" drops the
// action for good; it does not come back after a snooze length.
TEST_F(Snooze, ClosingTheDialogCancelsAndNeverSnoozes) {
  Start("MODE=COUNTDOWN MINUTES=1 SNOOZE=1 ACTION=SHUTDOWN /testonly");
  confirmation.onEachSecond = [](TfrmConfirm& dialog) {
    if (dialog.SecondsLeft() == 8) dialog.Close();
  };
  form->btnStart.UserClick();
  AdvanceSeconds(62);
  ASSERT_EQ(confirmation.shown, 1);
  AdvanceSeconds(180);
  EXPECT_EQ(confirmation.shown, 1);
  EXPECT_EQ(Status().find("Snoozed"), std::string::npos) << Status();
  EXPECT_FALSE(form->tmrCheck.Enabled());
  EXPECT_EQ(power.CountCalls("ExitWindowsEx"), 0);
}

TEST_F(Snooze, TheButtonIsOfferedWithItsLengthOrNotAtAll) {
  const std::pair<const char*, bool> cases[] = {
      {"", true}, {"SNOOZE=5", true}, {"SNOOZE=0", false}};
  for (const auto& [arguments, offered] : cases) {
    Start(std::string("MODE=COUNTDOWN MINUTES=1 ACTION=SHUTDOWN /testonly ") + arguments);
    std::optional<bool> visible;
    confirmation.onEachSecond = [&visible](TfrmConfirm& dialog) {
      visible = dialog.btnSnooze.Visible();
    };
    form->btnStart.UserClick();
    AdvanceSeconds(62);
    EXPECT_EQ(visible, offered) << arguments;
  }
}

}  // namespace
}  // namespace haltwise::testing
