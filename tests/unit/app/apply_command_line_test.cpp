// Presetting the window from the command line, and every message a
// malformed one shows.
#include "app_fixture.h"

namespace haltwise::testing {
namespace {

class CommandLinePresets : public AppFixture {
 protected:
  void Start(const std::string& arguments) {
    notifier.shown.clear();
    Recreate(arguments);
    form->FormCreate();
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> messages;
    for (const std::string& s : notifier.shown) {
      if (s.rfind("message: ", 0) == 0) messages.push_back(s.substr(9));
    }
    return messages;
  }
  const DateTime tomorrow = DateOf(clock.Now()) + 1;
};

TEST_F(CommandLinePresets, NoParametersChangeNothing) {
  Start("");
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(form->AskConfirmation);
  EXPECT_FALSE(form->chkForce.Down());
  EXPECT_EQ(form->pcConfig.ActivePageName(), "tsSplash");
  for (Button* b : {&form->btnIdle, &form->btnSched, &form->btnCntDn}) EXPECT_FALSE(b->Down());
}

TEST_F(CommandLinePresets, EachMalformedLineShowsItsMessageAndTheRestStillApplies) {
  struct Case {
    const char* arguments;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"MODE=SLEEP ACTION=REBOOT", {"Invalid mode: SLEEP"}},
      {"MODE= FORCE=YES", {"Invalid mode: "}},
      {"MODE=SCHEDULED", {"Missing DATE parameter for mode=Scheduled"}},
      {"MODE=SCHEDULED DATE=20250230 TIME=120000",
       {"20250230 is not a valid date value for Scheduled DATE. Use YYYYMMDD format (Year, Month, "
        "Day)"}},
      {"MODE=SCHEDULED DATE=20250101", {"Missing TIME parameter for mode=Scheduled"}},
      {"MODE=SCHEDULED DATE=20250101 TIME=1200",
       {"1200 is not a valid time value for Scheduled TIME. Use HHMMSS format (Hours, Minutes, "
        "Seconds)"}},
      {"MODE=SCHEDULED DATE=20250101 TIME=120000 CPU=12abc",
       {"12abc is not a valid value for Scheduled cpu USAGE"}},
      {"MODE=COUNTDOWN MINUTES=ten CPU=x",
       {"ten is not a valid MINUTES value for Count Down",
        "x is not a valid value for Scheduled cpu USAGE"}},
      {"MODE=COUNTDOWN", {"Must specify MINUTES or HOURS parameter with mode=CountDown"}},
      {"MODE=IDLETIME MINUTES=5m CPU=9%",
       {"5m is not a valid value for Idle Time MINUTES",
        "9% is not a valid value for Idle Time USAGE"}},
      {"ACTION=Standby", {"STANDBY is not a valid action"}},
      {"MODE=COUNTDOWN MINUTES=5 WARN=off SNOOZE=1000",
       {"OFF is not a valid value for WARN. Use YES or NO",
        "1000 is not a valid SNOOZE value. Use 1 to 999 minutes, or 0 for no Snooze button"}},
      {"SNOOZE=5m",
       {"5m is not a valid SNOOZE value. Use 1 to 999 minutes, or 0 for no Snooze button"}},
      {"MODE=IDLETIME INPUT=maybe",
       {"MAYBE is not a valid value for Idle Time INPUT. Use YES or NO"}},
      {"MODE=COUNTDOWN MINUTES=5 INPUT=YES", {"INPUT parameter only applies with mode=IdleTime"}},
      {"INPUT=YES", {"INPUT parameter only applies with mode=IdleTime"}},
      {"KEEPAWAKE=Maybe", {"MAYBE is not a valid KEEPAWAKE value. Use YES or NO"}},
  };
  for (const Case& c : cases) {
    Start(c.arguments);
    EXPECT_EQ(Messages(), c.messages) << c.arguments;
  }
  Start("MODE=COUNTDOWN HOURS=two");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("two"), std::string::npos);
  EXPECT_NE(Messages()[0].find("HOURS"), std::string::npos);
}

TEST_F(CommandLinePresets, ScheduledSetsBothPickersAndTheCpuCondition) {
  Start("mode=scheduled date=20270301 time=083000 cpu=15");
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(form->btnSched.Down());
  EXPECT_TRUE(form->btnIdle.Down());
  EXPECT_EQ(form->pcConfig.ActivePageName(), "tsSched");
  EXPECT_EQ(DateOf(form->DateSched.Value()), EncodeDate(2027, 3, 1));
  EXPECT_NEAR(TimeOf(form->TimeSched.Value()), EncodeTime(8, 30, 0, 0), 1e-9);
  EXPECT_EQ(form->edtCPUUsage.Value(), 15);
}

TEST_F(CommandLinePresets, ABadDateLeavesBothPickersAsTheyWere) {
  Start("MODE=SCHEDULED DATE=20250230 TIME=120000");
  EXPECT_EQ(DateOf(form->DateSched.Value()), tomorrow);
  EXPECT_EQ(form->TimeSched.Value(), clock.Now());
}

TEST_F(CommandLinePresets, CountDownPrefersMinutesAndCombinesWithCpu) {
  Start("MODE=COUNTDOWN MINUTES=10 HOURS=2");
  EXPECT_EQ(form->edtCntDn.Value(), 10);
  EXPECT_TRUE(form->chkMins.Checked());
  EXPECT_FALSE(form->btnIdle.Down());

  Start("MODE=COUNTDOWN HOURS=2 CPU=15");
  EXPECT_EQ(form->edtCntDn.Value(), 2);
  EXPECT_TRUE(form->chkHours.Checked());
  EXPECT_TRUE(form->btnCntDn.Down());
  EXPECT_TRUE(form->btnIdle.Down());
  EXPECT_EQ(form->edtCPUUsage.Value(), 15);
}

TEST_F(CommandLinePresets, IdleTimeValuesAreClampedByTheirEdits) {
  Start("MODE=IDLETIME MINUTES=5000 CPU=0");
  EXPECT_EQ(form->edtCPUMin.Value(), 999);
  EXPECT_EQ(form->edtCPUUsage.Value(), 1);
  EXPECT_TRUE(form->btnIdle.Down());
}

TEST_F(CommandLinePresets, ConfirmationForceAndAction) {
  Start("CONFIRMATION=no FORCE=yes ACTION=suspend");
  EXPECT_FALSE(form->AskConfirmation);
  EXPECT_TRUE(form->chkForce.Down());
  EXPECT_TRUE(form->chkSuspend.Down());
  for (Button* b : {&form->chkLogOff, &form->chkReboot, &form->chkShutdown, &form->chkHibernate}) {
    EXPECT_FALSE(b->Down());
  }
  Start("CONFIRMATION=0 FORCE=1");
  EXPECT_TRUE(form->AskConfirmation);
  EXPECT_FALSE(form->chkForce.Down());
}

TEST_F(CommandLinePresets, WarningsSnoozeAndTheInputClause) {
  Start("MODE=COUNTDOWN MINUTES=5");
  EXPECT_TRUE(form->WarnAhead);
  EXPECT_EQ(form->SnoozeMinutes, 10);
  EXPECT_FALSE(form->chkNoInput.Checked());

  Start("mode=idletime input=yes warn=no snooze=0");
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(form->chkNoInput.Checked());
  EXPECT_FALSE(form->WarnAhead);
  EXPECT_EQ(form->SnoozeMinutes, 0);

  Start("MODE=IDLETIME INPUT=NO WARN=YES SNOOZE=999");
  EXPECT_FALSE(form->chkNoInput.Checked());
  EXPECT_TRUE(form->WarnAhead);
  EXPECT_EQ(form->SnoozeMinutes, 999);

  // A bad value keeps the default.
  Start("MODE=IDLETIME INPUT=1 WARN=0 SNOOZE=-5");
  EXPECT_FALSE(form->chkNoInput.Checked());
  EXPECT_TRUE(form->WarnAhead);
  EXPECT_EQ(form->SnoozeMinutes, 10);
}

TEST_F(CommandLinePresets, AParameterNameInTheProgramsFolderIsNotReadAsOne) {
  // "MODE" occurs in "Modem" before the real parameter.
  notifier.shown.clear();
  form.reset();
  StartupInfo startup;
  startup.exePath = "C:\\Modem Tools\\Haltwise.exe";
  startup.commandLine = "\"C:\\Modem Tools\\Haltwise.exe\" MODE=COUNTDOWN MINUTES=5";
  startup.arguments = {"MODE=COUNTDOWN", "MINUTES=5"};
  TfrmShutdown window(services, startup);
  window.FormCreate();
  EXPECT_EQ(Messages(), std::vector<std::string>{});
  EXPECT_EQ(window.edtCntDn.Value(), 5);
}

TEST_F(CommandLinePresets, HelpSwitchOpensTheCommandLinePageAndGoesOn) {
  Start("/? MODE=COUNTDOWN MINUTES=5");
  ASSERT_EQ(shell.CountCalls("ShellExecute"), 1);
  // Beside the executable, not in the current folder.
  EXPECT_EQ(shell.Calls()[0].arguments, (folder / "Help" / "CmdLine.html").string() + "|||1");
  EXPECT_EQ(form->edtCntDn.Value(), 5);
  Start("-?");
  EXPECT_EQ(shell.CountCalls("ShellExecute"), 2);
}

}  // namespace
}  // namespace haltwise::testing
