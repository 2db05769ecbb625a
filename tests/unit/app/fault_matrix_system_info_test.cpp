// The version and processor-time queries failing. Without the Windows
// version the processor meter cannot choose its source and the window
// cannot be created: the program ends with that message. Without the system
// times the meter reads the Processor object, and only when that is missing
// too does the CPU graph stop.
#include "fault_matrix_fixture.h"

namespace haltwise::testing {
namespace {

using SystemInfoFaults = FaultMatrixFixture;

TEST_F(SystemInfoFaults, EachQueryFailing) {
  struct Cell {
    const char* name;
    const char* call;
    bool processorObjectMissing;
    std::vector<std::string> boxes;  // before the follow-up watch
  };
  const Cell cells[] = {
      {"system times, Processor object there", "GetSystemTimes", false, {}},
      {"system times, no Processor object",
       "GetSystemTimes",
       true,
       {"message: Unable to locate the \"Processor\" performance object",
        "message: CPU Monitoring Disabled."}},
  };
  for (const Cell& cell : cells) {
    SCOPED_TRACE(cell.name);
    NewCell();
    systemInfo.FailCall(cell.call, win::kErrorAccessDenied);
    if (cell.processorObjectMissing) LeaveOutObjects({238});
    StartAndRunTwoWatches();
    std::vector<std::string> boxes = cell.boxes;
    boxes.push_back(kFollowUpMessage);
    EXPECT_EQ(Boxes(), boxes);
    EXPECT_EQ(form->tmrCpu.Enabled(), !cell.processorObjectMissing);
    EXPECT_EQ(power.CountCalls("ExitWindowsEx"), 1);
  }
}

TEST_F(SystemInfoFaults, WithoutTheWindowsVersionTheWindowIsNotCreated) {
  systemInfo.FailCall("GetVersionEx", win::kErrorInvalidParameter);
  try {
    Recreate("");
    FAIL() << "the window was created";
  } catch (const Error& error) {
    EXPECT_EQ(error.Message(), "Can't get the Windows version");
  }
  EXPECT_EQ(registry.OpenHandleCount(), 0);
}

}  // namespace
}  // namespace haltwise::testing
