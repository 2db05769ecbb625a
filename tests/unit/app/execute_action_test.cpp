// A due watch handed to the power action: confirmation, test switch,
// privileges, the event log and what the user sees when a call fails.
#include "app_fixture.h"

namespace haltwise::testing {
namespace {

class ExecuteAction : public AppFixture {
 protected:
  // Arms a watch scheduled for the present moment, with the given toggles:
  // it is due at the next tick.
  void ArmDueWatch(std::initializer_list<Button*> toggles) {
    for (Button* toggle : toggles) toggle->UserClick();
    form->DateSched.UserChange(clock.Now());
    form->TimeSched.SetValue(clock.Now());
    form->btnSched.UserClick();
    form->btnStart.UserClick();
  }
};

TEST_F(ExecuteAction, TestSwitchAnnouncesEveryActionCode) {
  struct Case {
    std::vector<std::string> toggles;
    const char* message;
  };
  const Case cases[] = {
      {{"chkShutdown"}, "message: Test Shutdown mode 9"},
      {{"chkShutdown", "chkForce"}, "message: Test Shutdown mode 13"},
      {{"chkLogOff"}, "message: Test Shutdown mode 0"},
      {{"chkReboot"}, "message: Test Shutdown mode 2"},
      {{"chkSuspend"}, "message: Test Suspend"},
      {{"chkHibernate", "chkForce"}, "message: Test Suspend"},
  };
  for (const Case& c : cases) {
    Recreate("/TESTONLY");
    std::vector<Button*> buttons;
    for (const std::string& name : c.toggles) {
      for (Button* b : {&form->chkShutdown, &form->chkForce, &form->chkLogOff, &form->chkReboot,
                        &form->chkSuspend, &form->chkHibernate}) {
        if (b->Name() == name) b->UserClick();
      }
    }
    ArmDueWatch({});
    AdvanceSeconds(1);
    EXPECT_EQ(notifier.shown.back(), c.message);
  }
  EXPECT_EQ(power.CountCalls("ExitWindowsEx") + power.CountCalls("SetSystemPowerState"), 0);
  EXPECT_TRUE(events.events.empty());
}

TEST_F(ExecuteAction, TestSwitchNeedsItsSlashOrDash) {
  Recreate("testonly");
  ArmDueWatch({&form->chkLogOff});
  AdvanceSeconds(12);
  EXPECT_EQ(power.CountCalls("ExitWindowsEx"), 1);
}

// Someone trying out a script without the dialog must not lose their work.
TEST_F(ExecuteAction, WithoutConfirmationTheTestSwitchStillOnlyAnnounces) {
  const std::pair<Button TfrmShutdown::*, const char*> cases[] = {
      {&TfrmShutdown::chkShutdown, "message: Test Shutdown mode 13"},
      {&TfrmShutdown::chkSuspend, "message: Test Suspend"},
  };
  for (const auto& [action, message] : cases) {
    Recreate("-testonly");
    form->AskConfirmation = false;
    ArmDueWatch({&((*form).*action), &form->chkForce});
    AdvanceSeconds(1);
    ASSERT_FALSE(notifier.shown.empty());
    EXPECT_EQ(notifier.shown.back(), message);
  }
  EXPECT_EQ(confirmation.shown, 0);
  EXPECT_TRUE(power.ActionCalls().empty());
  EXPECT_EQ(security.CountCalls("OpenProcessToken"), 0);
  EXPECT_TRUE(events.events.empty());
}

TEST_F(ExecuteAction, WithoutConfirmationTheActionGoesStraightAheadAsAPlannedShutdown) {
  form->AskConfirmation = false;
  ArmDueWatch({&form->chkShutdown});
  AdvanceSeconds(1);
  EXPECT_EQ(confirmation.shown, 0);
  ASSERT_EQ(power.ActionCalls().size(), 1u);
  // SHTDN_REASON_FLAG_PLANNED with major and minor "other".
  EXPECT_EQ(power.ActionCalls()[0].arguments, "flags=9 reason=2147483648");
  // The shutdown privilege was enabled before the Information entry.
  EXPECT_EQ(security.enabledPrivileges, std::vector<std::string>{"SeShutdownPrivilege"});
  EXPECT_EQ(security.OpenTokenCount(), 0);
  ASSERT_EQ(events.events.size(), 1u);
  EXPECT_EQ(events.events[0].type, win::kEventLogInformationType);
  EXPECT_EQ(events.events[0].strings[0], "\r\n\r\nShutdown,20260601,120001");
  EXPECT_EQ(events.events[0].sid, security.userSid);
}

TEST_F(ExecuteAction, ConfirmationRunsOutAtTheEleventhTick) {
  Recreate("/testonly");
  int ticks = 0;
  confirmation.onEachSecond = [&](TfrmConfirm&) { ++ticks; };
  ArmDueWatch({&form->chkLogOff});
  AdvanceSeconds(1);
  EXPECT_EQ(ticks, 10);  // the eleventh tick closed it
  EXPECT_EQ(notifier.shown[notifier.shown.size() - 2], "beep: 48");
  EXPECT_EQ(notifier.shown.back(), "message: Test Shutdown mode 0");
}

TEST_F(ExecuteAction, CancelInTheLastSecondDropsTheAction) {
  confirmation.onEachSecond = [](TfrmConfirm& dialog) {
    if (dialog.SecondsLeft() == 1) dialog.SpeedButton1Click();
  };
  ArmDueWatch({&form->chkShutdown});
  AdvanceSeconds(1);
  EXPECT_EQ(confirmation.lastLabel, "Shutdown will occur in 1 seconds...");
  EXPECT_EQ(power.CountCalls("ExitWindowsEx"), 0);
  EXPECT_TRUE(events.events.empty());
  EXPECT_FALSE(form->tmrCheck.Enabled());
  EXPECT_TRUE(form->btnStart.Down());
  EXPECT_EQ(notifier.shown.back(), "beep: 48");
  // The window no longer claims that anything will happen; "Stop!" ends it.
  const std::string cancelled = "Shutdown Cancelled. Press Stop! to end the current shutdown.";
  EXPECT_EQ(form->lblStatusBar.Caption(), cancelled);
  EXPECT_EQ(form->JvTray.Hint(), cancelled);
  AdvanceSeconds(5);
  EXPECT_EQ(form->lblStatusBar.Caption(), cancelled);
  form->btnStart.UserClick();
  EXPECT_EQ(form->CurrentWatch().State(), WatchState::Idle);
  EXPECT_EQ(form->lblStatusBar.Caption(), "No shutdown in progress.");
}

TEST_F(ExecuteAction, NoActionLeftAfterTheCountdown) {
  ArmDueWatch({&form->chkReboot});
  form->chkReboot.UserClick();
  AdvanceSeconds(12);
  EXPECT_EQ(notifier.shown.back(), "message: Shutdown Cancelled. No Action was selected.");
}

TEST_F(ExecuteAction, SuspendShowsTheDateThenCallsWithItsFlags) {
  form->AskConfirmation = false;
  ArmDueWatch({&form->chkSuspend, &form->chkForce});
  AdvanceSeconds(1);
  EXPECT_EQ(form->lblStatusBar.Caption(), "Suspended at 1 June 2026");
  EXPECT_EQ(power.ActionCalls().back().arguments, "suspend=1 force=1");
  EXPECT_EQ(EventTexts(), std::vector<std::string>{"\r\n\r\nSuspend,20260601,120001"});

  Recreate("");
  form->AskConfirmation = false;
  ArmDueWatch({&form->chkHibernate});
  AdvanceSeconds(1);
  EXPECT_EQ(power.ActionCalls().back().arguments, "suspend=0 force=0");
}

// Which call fails, what the user sees, and what the event log holds.
TEST_F(ExecuteAction, FaultMatrixOfThePowerCalls) {
  struct Case {
    const char* call;
    bool suspend;
    const char* box;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {"OpenProcessToken", false, "error: OpenProcessToken failed.", {}},
      {"LookupPrivilegeValue", false, "error: LookupPrivilegeValue failed.", {}},
      {"AdjustTokenPrivileges", false, "error: Can't get privileges to shutdown.", {}},
      {"ExitWindowsEx",
       false,
       "error: Can't shutdown.",
       {"\r\n\r\nShutdown,20260601,120001", "\r\n\r\nShutdown Error,20260601,120001"}},
      {"OpenProcessToken", true, "error: OpenProcessToken failed.", {}},
      {"LookupPrivilegeValue", true, "error: LookupPrivilegeValue failed.", {}},
      {"AdjustTokenPrivileges", true, "error: Can't get privileges to suspend.", {}},
      {"SetSystemPowerState",
       true,
       "error: Can't suspend!.",
       {"\r\n\r\nSuspend,20260601,120001", "\r\n\r\nCan not Suspend,20260601,120001"}},
  };
  for (const Case& c : cases) {
    Recreate("");
    security.ClearFaults();
    power.ClearFaults();
    events.events.clear();
    clock.SetLocal(EncodeDate(2026, 6, 1) + EncodeTime(12, 0, 0, 0));
    security.FailCall(c.call, win::kErrorAccessDenied);
    power.FailCall(c.call, win::kErrorPrivilegeNotHeld);
    form->AskConfirmation = false;
    ArmDueWatch({c.suspend ? &form->chkSuspend : &form->chkShutdown});
    AdvanceSeconds(1);
    EXPECT_EQ(notifier.shown.back(), c.box) << c.call;
    EXPECT_EQ(EventTexts(), c.log) << c.call;
    EXPECT_EQ(security.OpenTokenCount(), 0) << c.call;  // the token is always closed
    // A suspend that did not happen is not reported as one.
    EXPECT_NE(form->lblStatusBar.Caption().rfind("Suspended at", 0), 0u) << c.call;
    if (!c.log.empty()) {
      EXPECT_EQ(events.events.back().type, win::kEventLogErrorType);
    }
  }
}

TEST_F(ExecuteAction, OnWindows9xNoPrivilegeIsAskedFor) {
  systemInfo.version = 0x80000A04;
  form->AskConfirmation = false;
  power.FailCall("ExitWindowsEx", 5);
  ArmDueWatch({&form->chkLogOff});
  AdvanceSeconds(1);
  EXPECT_EQ(security.CountCalls("AdjustTokenPrivileges"), 0);
  EXPECT_EQ(EventTexts(), (std::vector<std::string>{"\r\n\r\nShutdown at 20260601,120001",
                                                    "\r\n\r\nCould not Shutdown,20260601,120001"}));
  EXPECT_EQ(notifier.shown.back(), "error: Can't shutdown.");
}

// An entry that cannot be written never keeps the machine on: the call is
// made, what it did is shown, and then the entry's error.
TEST_F(ExecuteAction, AFailedEntryNeverStopsThePowerCall) {
  struct Case {
    const char* name;
    Button TfrmShutdown::*action;
    bool callFails;
    const char* failingCall;  // of the event source or the token
    std::vector<std::string> shown;
    const char* status;
  };
  const std::string reportFail = "TEventLog - Event report fail, error code: 1502";
  const Case cases[] = {
      {"power-off, no entry at all",
       &TfrmShutdown::chkShutdown,
       false,
       "RegisterEventSource",
       {},
       ""},
      {"suspend returns after resuming",
       &TfrmShutdown::chkSuspend,
       false,
       "ReportEvent",
       {},
       "Suspended at 1 June 2026"},
      {"the user's SID cannot be read",
       &TfrmShutdown::chkSuspend,
       false,
       "GetTokenInformation",
       {},
       "Suspended at 1 June 2026"},
      {"the call fails too: its box first",
       &TfrmShutdown::chkShutdown,
       true,
       "ReportEvent",
       {"error: Can't shutdown."},
       ""},
      {"a failed suspend",
       &TfrmShutdown::chkHibernate,
       true,
       "ReportEvent",
       {"error: Can't suspend!."},
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Recreate("");
    power.ClearCalls();
    power.ClearFaults();
    security.ClearFaults();
    events.ClearFaults();
    notifier.shown.clear();
    form->AskConfirmation = false;
    events.FailCall(c.failingCall, 1502);
    security.FailCall(c.failingCall, 1502);
    if (c.callFails) {
      power.FailCall("ExitWindowsEx", win::kErrorPrivilegeNotHeld);
      power.FailCall("SetSystemPowerState", win::kErrorPrivilegeNotHeld);
    }
    ArmDueWatch({&((*form).*c.action)});
    AdvanceSeconds(1);
    EXPECT_EQ(power.ActionCalls().size(), 1u);
    // What the call did, then the entry's error in a box.
    ASSERT_EQ(notifier.shown.size(), c.shown.size() + 1);
    EXPECT_EQ(std::vector<std::string>(notifier.shown.begin(), notifier.shown.end() - 1), c.shown);
    EXPECT_EQ(notifier.shown.back().rfind("error: TEventLog - ", 0), 0u) << notifier.shown.back();
    if (*c.status) {
      EXPECT_EQ(form->lblStatusBar.Caption(), c.status);
    }
    EXPECT_TRUE(events.events.empty());
    EXPECT_EQ(security.OpenTokenCount(), 0);
  }
}

}  // namespace
}  // namespace haltwise::testing
