// The event source's calls failing where the window writes entries: before
// and after a power call, for a failed load sample, and when a due watch is
// cancelled because the processor is busy. (A source that cannot be opened
// before a power call is in execute_action_test.) The error is shown once
// in an error box; what was done before it stays done.
#include "fault_matrix_fixture.h"

namespace haltwise::testing {
namespace {

class EventSourceFaults : public FaultMatrixFixture {
 public:  // the scenarios are picked by member pointer in the test's table
  // A watch carried out without confirmation.
  void PowerAction() {
    StartHandled(kArguments);
    RunDueWatch();
  }
  // Three seconds of samples of a base counter, which cannot be computed.
  void FailingSamples() {
    UseMachine(perftest::Scenario::Steady);
    StartHandled(kArguments);
    ChooseCustom("Counter Type Samples", "Sample Base", "alpha");
    RunSeconds(3);
  }
  // A watch that also needs an idle processor falls due on a busy one.
  void BusyProcessorAtTheDueMoment() {
    StartHandled("MODE=SCHEDULED DATE=20260601 TIME=120000 CPU=1 ACTION=SHUTDOWN /testonly");
    RunSeconds(3);
    Handle([&] { form->btnStart.UserClick(); });
    RunSeconds(1);
  }
};

TEST_F(EventSourceFaults, EachCallFailingWhereEntriesAreWritten) {
  struct Cell {
    const char* name;
    const char* call;
    const char* argument;
    long error;
    void (EventSourceFaults::*scenario)();
    bool powerCallFails;
    std::vector<std::string> boxes;  // before the follow-up watch
    std::vector<std::string> log;
    int exitCalls;
  };
  const std::string reportFail = "error: TEventLog - Event report fail, error code: 1502";
  const std::string sourceFail =
      "error: TEventLog - Event source registration fail, error code: 1722";
  const std::string cancel = "Time limit reached, but CPU was not Idle. Shutdown Cancelled.";
  const Cell cells[] = {
      {"no Information entry: the power call all the same",
       "ReportEvent",
       "",
       1502,
       &EventSourceFaults::PowerAction,
       false,
       {reportFail},
       {},
       1},
      {"no Error entry after a failed power call: its box, then the entry's error",
       "ReportEvent",
       "type=1",
       1502,
       &EventSourceFaults::PowerAction,
       true,
       {"error: Can't shutdown.", reportFail},
       {"Shutdown,20260601,120001"},
       1},
      {"a failed sample that cannot be logged, every second: one box",
       "RegisterEventSource",
       "",
       1722,
       &EventSourceFaults::FailingSamples,
       false,
       {sourceFail},
       {},
       0},
      {"a cancel that cannot be logged: the watch is cancelled all the same",
       "ReportEvent",
       "type=2",
       1502,
       &EventSourceFaults::BusyProcessorAtTheDueMoment,
       false,
       {reportFail},
       {},
       0},
      // Last: the source it leaves open stays open.
      {"a source that cannot be closed",
       "DeregisterEventSource",
       "",
       6,
       &EventSourceFaults::PowerAction,
       false,
       {},
       {"Shutdown,20260601,120001"},
       1},
  };
  for (const Cell& cell : cells) {
    SCOPED_TRACE(cell.name);
    NewCell();
    events.FailCall(cell.call, cell.error, -1, cell.argument);
    if (cell.powerCallFails) power.FailCall("ExitWindowsEx", win::kErrorPrivilegeNotHeld);
    (this->*cell.scenario)();

    EXPECT_EQ(Boxes(), cell.boxes);
    EXPECT_EQ(LogTexts(), cell.log);
    EXPECT_EQ(power.CountCalls("ExitWindowsEx"), cell.exitCalls);
    if (cell.scenario == &EventSourceFaults::BusyProcessorAtTheDueMoment) {
      EXPECT_EQ(form->CurrentWatch().Mode(), ShutdownMode::None);
      EXPECT_EQ(form->lblStatusBar.Caption(), cancel);
      EXPECT_NE(form->JvTray.Hint(), cancel);  // the step after the entry
    }
    // Still working (failed samples may go on showing boxes meanwhile).
    const std::size_t shownBefore = Boxes().size();
    RunFollowUpWatch();
    const auto boxes = Boxes();
    EXPECT_NE(std::find(boxes.begin() + static_cast<std::ptrdiff_t>(shownBefore), boxes.end(),
                        kFollowUpMessage),
              boxes.end());
    DestroyWindow();
    if (std::string(cell.call) != "DeregisterEventSource") ExpectNothingLeftOpen();
  }
}

}  // namespace
}  // namespace haltwise::testing
