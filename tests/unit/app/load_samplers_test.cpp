// The samplers feed the graphs and make the load-based watches due.
#include "perf_machine.h"

namespace haltwise::testing {
namespace {

using LoadSamplers = MachineFixture;

TEST_F(LoadSamplers, EachLoadModeFallsDueOnlyAfterItsMinuteHasPassed) {
  struct Case {
    const char* mode;
    std::function<void(TfrmShutdown&)> arm;
  };
  const Case cases[] = {
      {"CPU Idle Time",
       [](TfrmShutdown& f) {
         f.edtCPUMin.SetValue(1);
         f.btnIdle.UserClick();
       }},
      {"Disk Usage",
       [](TfrmShutdown& f) {
         f.edtDiskMin.SetValue(1);
         f.btnDiskTr.UserClick();
       }},
      {"Network Usage",
       [](TfrmShutdown& f) {
         f.edtNetMin.SetValue(1);
         f.btnNetTr.UserClick();
       }},
      {"Custom",
       [](TfrmShutdown& f) {
         f.edtCustomMin.SetValue(1);
         f.btnCustom.UserClick();
       }},
  };
  for (const Case& c : cases) {
    UseMachine(perftest::Scenario::Quiet);
    StartWindow("ACTION=LOGOFF /testonly");
    ChooseCustom("Processor", "% Processor Time", "_Total");
    AdvanceSeconds(5);  // the first rates need two samples
    c.arm(*form);
    form->btnStart.UserClick();
    ASSERT_TRUE(form->tmrCheck.Enabled()) << c.mode;
    AdvanceSeconds(60);
    EXPECT_EQ(confirmation.shown, 0) << c.mode;
    AdvanceSeconds(2);
    EXPECT_EQ(confirmation.shown, 1) << c.mode;
    EXPECT_EQ(notifier.shown.back(), "message: Test Shutdown mode 0") << c.mode;
    confirmation.shown = 0;
  }
  EXPECT_EQ(EventsOfType(win::kEventLogErrorType), 0);
}

TEST_F(LoadSamplers, ABusyMachineNeverFallsDue) {
  UseMachine(perftest::Scenario::Steady);
  StartWindow("ACTION=LOGOFF /testonly");
  form->edtDiskMin.SetValue(1);
  form->btnDiskTr.UserClick();
  form->btnStart.UserClick();
  AdvanceSeconds(180);
  EXPECT_EQ(confirmation.shown, 0);
  EXPECT_EQ(form->lgDisk.ValuesCount(), 30);
  EXPECT_GT(form->lgDisk.Value(29), 10);  // kilobytes a second
  EXPECT_EQ(form->lgDisk.AfterString(), "/sec");
  EXPECT_EQ(form->lgDisk.Hint(), "PhysicalDisk/_Total");
}

TEST_F(LoadSamplers, AProcessorBusyAtTheDueMomentCancelsATimedWatch) {
  UseMachine(perftest::Scenario::Steady);
  StartWindow("MODE=COUNTDOWN MINUTES=1 CPU=5 ACTION=REBOOT /testonly");
  form->btnStart.UserClick();
  ASSERT_TRUE(form->CpuConditionArmed());
  AdvanceSeconds(61);
  EXPECT_NE(form->JvTray.Hint().find(" IF Processor is under 5%."), std::string::npos);
  EXPECT_EQ(form->lblStatusBar.Caption().find(" IF "), std::string::npos);
  AdvanceSeconds(1);
  const std::string cancel = "Time limit reached, but CPU was not Idle. Shutdown Cancelled.";
  EXPECT_EQ(form->lblStatusBar.Caption(), cancel);
  EXPECT_EQ(form->JvTray.Hint(), cancel);
  EXPECT_EQ(confirmation.shown, 0);
  EXPECT_EQ(form->CurrentWatch().Mode(), ShutdownMode::None);
  EXPECT_FALSE(form->tmrCheck.Enabled());
  EXPECT_EQ(form->btnStart.Caption(), "Start!");
  ASSERT_EQ(EventsOfType(win::kEventLogWarningType), 1);
  EXPECT_EQ(events.events.back().strings[0], "\r\n\r\n" + cancel);
}

TEST_F(LoadSamplers, ABusyProcessorEndsTheWatchEvenWithNoActionLeft) {
  UseMachine(perftest::Scenario::Steady);
  StartWindow("MODE=COUNTDOWN MINUTES=1 CPU=5 ACTION=REBOOT /testonly");
  form->btnStart.UserClick();
  form->chkReboot.UserClick();  // released: no action pressed any more
  AdvanceSeconds(62);
  EXPECT_EQ(form->CurrentWatch().State(), WatchState::Idle);
  EXPECT_FALSE(form->tmrCheck.Enabled());
  EXPECT_EQ(form->btnStart.Caption(), "Start!");
  AdvanceSeconds(5);
  EXPECT_EQ(EventsOfType(win::kEventLogWarningType), 1);
  EXPECT_EQ(form->lblStatusBar.Caption(),
            "Time limit reached, but CPU was not Idle. Shutdown Cancelled.");
}

// A lasting fault is logged once, then once an hour with its count, and
// the other sections go on.
TEST_F(LoadSamplers, ASectionThatFailsIsLoggedOnceAnHourAndTheOthersGoOn) {
  UseMachine(perftest::Scenario::Steady);
  StartWindow("");
  ChooseCustom("Counter Type Samples", "Sample Base", "alpha");
  AdvanceSeconds(3600);
  const std::string failed =
      "\r\n\r\nException PerfUtils Internal error (Perf_COUNTER_BASE) collecting custom usage.";
  EXPECT_EQ(EventTexts(), std::vector<std::string>{failed});
  AdvanceSeconds(1);
  EXPECT_EQ(EventTexts(), (std::vector<std::string>{
                              failed, failed + " Repeated 3599 times since the last entry."}));
  EXPECT_GT(form->lgDisk.Value(29), 0);  // the disk and network sections still ran
  EXPECT_GT(form->lgNet.Value(29), 0);
}

TEST_F(LoadSamplers, AProcessorMeterErrorStopsTheCpuGraphForGood) {
  UseMachine(perftest::Scenario::Steady);
  LeaveOutObjects({238});
  systemInfo.FailCall("GetSystemTimes", win::kErrorAccessDenied);
  StartWindow("");
  AdvanceSeconds(3);
  EXPECT_FALSE(form->tmrCpu.Enabled());
  EXPECT_EQ(notifier.shown, (std::vector<std::string>{
                                "message: Unable to locate the \"Processor\" performance object",
                                "message: CPU Monitoring Disabled."}));
}

TEST_F(LoadSamplers, AGraphClickChoosesItsMode) {
  UseMachine(perftest::Scenario::Steady);
  StartWindow("");
  form->lgDiskMouseDown();
  EXPECT_TRUE(form->btnDiskTr.Down());
  EXPECT_EQ(form->pcConfig.ActivePageName(), "tsDiskTr");
}

TEST_F(LoadSamplers, ResumingFromSleepRestartsTheConditions) {
  UseMachine(perftest::Scenario::Quiet);
  StartWindow("ACTION=LOGOFF /testonly");
  form->edtNetMin.SetValue(1);
  form->btnNetTr.UserClick();
  form->btnStart.UserClick();
  AdvanceSeconds(50);
  form->RestartLoadConditions();  // the machine slept and woke up
  AdvanceSeconds(50);
  EXPECT_EQ(confirmation.shown, 0);
  AdvanceSeconds(15);
  EXPECT_EQ(confirmation.shown, 1);
}

}  // namespace
}  // namespace haltwise::testing
