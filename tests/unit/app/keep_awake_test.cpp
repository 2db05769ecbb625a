// Keeping the machine awake while a watch waits, and the Modern Standby
// route of "Suspend - Stand by".
#include "app/keep_awake.h"
#include "app_fixture.h"

namespace haltwise::testing {
namespace {

TEST(KeepAwakeHolder, PowerRequestOrTheOlderCallAndAlwaysGivenBack) {
  struct Case {
    const char* name;
    bool hasPowerRequests;
    const char* failingCall;
    std::vector<std::string> held;  // calls made by Hold
    std::uint32_t executionState;   // while held
  };
  const Case cases[] = {
      {"a power request", true, "", {"PowerCreateRequest", "PowerSetRequest"}, 0},
      {"Windows without power requests",
       false,
       "",
       {"PowerCreateRequest", "SetThreadExecutionState"},
       win::kEsSystemRequired},
      {"a request that cannot be set",
       true,
       "PowerSetRequest",
       {"PowerCreateRequest", "PowerSetRequest", "CloseHandle", "SetThreadExecutionState"},
       win::kEsSystemRequired},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake::FakePower power;
    power.hasPowerRequests = c.hasPowerRequests;
    if (*c.failingCall) power.FailCall(c.failingCall, win::kErrorAccessDenied);
    {
      KeepAwake keepAwake(power);
      keepAwake.Hold("Haltwise is waiting to shut down the computer");
      keepAwake.Hold("held once only");
      EXPECT_TRUE(keepAwake.Held());
      std::vector<std::string> names;
      for (const fake::Call& call : power.Calls()) names.push_back(call.name);
      EXPECT_EQ(names, c.held);
      EXPECT_EQ(power.Calls()[0].arguments, "Haltwise is waiting to shut down the computer");
      EXPECT_EQ(power.executionState, c.executionState);
    }  // dropped while held
    EXPECT_EQ(power.OpenRequests(), 0);
    EXPECT_EQ(power.ActiveRequests(), 0);
    EXPECT_EQ(power.executionState, 0u);
  }
}

class KeepAwakeWatch : public AppFixture {
 protected:
  void ArmCountDown(Button& action) {
    action.UserClick();
    form->edtCntDn.SetValue(1);
    form->chkMins.SetChecked(true);
    form->btnCntDn.UserClick();
    form->btnStart.UserClick();
  }
};

TEST_F(KeepAwakeWatch, HeldWhileArmedGivenBackWhenStoppedDueOrClosed) {
  ArmCountDown(form->chkReboot);
  ASSERT_EQ(power.ActiveRequests(), 1);
  EXPECT_EQ(power.Calls()[0].arguments, "Haltwise is waiting to restart the computer");
  AdvanceSeconds(30);
  EXPECT_EQ(power.CountCalls("PowerCreateRequest"), 1);  // one request for the whole wait
  form->btnStart.UserClick();                            // Stop!
  EXPECT_EQ(power.OpenRequests(), 0);

  // Due: given back before the confirmation opens; a snooze waits, and holds
  // it, again.
  Recreate("/testonly");
  ArmCountDown(form->chkShutdown);
  EXPECT_EQ(power.ActiveRequests(), 1);
  std::vector<int> openWhileConfirming;
  confirmation.onEachSecond = [&](TfrmConfirm& dialog) {
    openWhileConfirming.push_back(power.OpenRequests());
    if (confirmation.shown == 1) dialog.btnSnoozeClick();
  };
  AdvanceSeconds(62);
  EXPECT_EQ(confirmation.shown, 1);
  EXPECT_EQ(openWhileConfirming, std::vector<int>{0});
  EXPECT_EQ(power.ActiveRequests(), 1);  // snoozed: waiting again
  AdvanceSeconds(10 * 60 + 12);          // due again, and the countdown runs out
  EXPECT_EQ(confirmation.shown, 2);
  EXPECT_EQ(notifier.shown.back(), "message: Test Shutdown mode 9");
  EXPECT_EQ(power.OpenRequests(), 0);

  Recreate("");
  ArmCountDown(form->chkLogOff);
  EXPECT_EQ(power.ActiveRequests(), 1);
  form.reset();  // the program ends with the watch armed
  EXPECT_EQ(power.OpenRequests(), 0);
}

// Only NO turns it off: a wrong value keeps the machine awake.
TEST_F(KeepAwakeWatch, KeepAwakeNoOnTheCommandLine) {
  const std::pair<const char*, bool> cases[] = {
      {"KEEPAWAKE=no", false}, {"KEEPAWAKE=YES", true}, {"KEEPAWAKE=Maybe", true}, {"", true}};
  for (const auto& [arguments, held] : cases) {
    Recreate(arguments);
    form->FormCreate();
    power.ClearCalls();
    ArmCountDown(form->chkShutdown);
    EXPECT_EQ(power.CountCalls("PowerCreateRequest"), held ? 1 : 0) << arguments;
    EXPECT_EQ(power.ActiveRequests(), held ? 1 : 0) << arguments;
    form->btnStart.UserClick();
  }
}

// Only where the machine has Modern Standby and no classic sleep does
// "Suspend - Stand by" turn the displays off; hibernate never does. The
// event log and the status line read as for any suspend.
TEST_F(KeepAwakeWatch, ModernStandbyOnlyWithoutS3) {
  struct Case {
    bool aoAc, systemS3;
    Button TfrmShutdown::*action;
    const char* call;
    const char* arguments;
  };
  const Case cases[] = {
      // SC_MONITORPOWER with 2: the displays off.
      {true, false, &TfrmShutdown::chkSuspend, "BroadcastSystemCommand",
       "command=61808 argument=2"},
      {true, true, &TfrmShutdown::chkSuspend, "SetSystemPowerState", "suspend=1 force=0"},
      {false, true, &TfrmShutdown::chkSuspend, "SetSystemPowerState", "suspend=1 force=0"},
      {false, false, &TfrmShutdown::chkSuspend, "SetSystemPowerState", "suspend=1 force=0"},
      {true, false, &TfrmShutdown::chkHibernate, "SetSystemPowerState", "suspend=0 force=0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("AoAc ") + (c.aoAc ? "1" : "0") + " S3 " + (c.systemS3 ? "1" : "0"));
    Recreate("");
    power.ClearCalls();
    events.events.clear();
    power.capabilities = {c.systemS3, true, c.aoAc};
    form->AskConfirmation = false;
    ArmCountDown((*form).*c.action);
    AdvanceSeconds(63);
    const std::vector<fake::Call> calls = power.ActionCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].name, c.call);
    EXPECT_EQ(calls[0].arguments, c.arguments);
    ASSERT_EQ(EventTexts().size(), 1u);
    EXPECT_EQ(EventTexts()[0].rfind("\r\n\r\nSuspend,", 0), 0u);
    EXPECT_EQ(form->lblStatusBar.Caption().rfind("Suspended at", 0), 0u);
  }
}

}  // namespace
}  // namespace haltwise::testing
