// The power calls failing on the 9x family, where no privilege is asked for:
// the Information entry, the Error entry and the box, then a window that
// still runs a watch. (The NT family is in execute_action_test.)
#include "fault_matrix_fixture.h"

namespace haltwise::testing {
namespace {

using PowerFaults = FaultMatrixFixture;

TEST_F(PowerFaults, EachCallFailingOnWindows9x) {
  struct Cell {
    const char* call;
    Button TfrmShutdown::*action;
    std::vector<std::string> boxes;
    std::vector<std::string> log;
  };
  const Cell cells[] = {
      {"ExitWindowsEx",
       &TfrmShutdown::chkReboot,
       {"error: Can't shutdown."},
       {"Shutdown at 20260601,120001", "Could not Shutdown,20260601,120001"}},
      {"SetSystemPowerState",
       &TfrmShutdown::chkHibernate,
       {"error: Can't suspend!."},
       {"Suspend 20260601,120001", "Suspend Error,20260601,120001"}},
  };
  for (const Cell& cell : cells) {
    SCOPED_TRACE(cell.call);
    NewCell();
    systemInfo.version = 0x80000A04;
    power.FailCall(cell.call, win::kErrorAccessDenied);
    StartHandled(kArguments);
    RunDueWatch(cell.action);
    EXPECT_EQ(Boxes(), cell.boxes);
    EXPECT_EQ(LogTexts(), cell.log);
    EXPECT_EQ(events.events.back().type, win::kEventLogErrorType);
    EXPECT_EQ(power.CountCalls(cell.call), 1);
    EXPECT_EQ(security.CountCalls("AdjustTokenPrivileges"), 0);
    RunFollowUpWatch();
    EXPECT_EQ(Boxes().back(), kFollowUpMessage);
  }
}

}  // namespace
}  // namespace haltwise::testing
