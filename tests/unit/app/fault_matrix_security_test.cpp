// The user and account lookups of every event-log entry failing before a
// power call, and a token that cannot be closed. (Opening the token and the
// privilege calls are in execute_action_test.) A lookup that fails stops the
// Information entry, and with it the power call.
#include "fault_matrix_fixture.h"

namespace haltwise::testing {
namespace {

using SecurityFaults = FaultMatrixFixture;

TEST_F(SecurityFaults, EachLookupFailingBeforeAPowerCall) {
  struct Cell {
    const char* call;
    long error;
    std::vector<std::string> boxes;  // before the follow-up watch
    std::vector<std::string> log;
  };
  const Cell cells[] = {
      {"GetUserName", win::kErrorAccessDenied,
       {"default: TEventLog - User name lookup fail, error code: 5"}, {}},
      {"GetUserName", win::kErrorInsufficientBuffer,
       {"default: TEventLog - User name lookup fail, error code: 122"}, {}},
      {"LookupAccountName", 1332, {"default: TEventLog - User SID lookup fail, error code: 1332"}, {}},
      {"LookupAccountName", win::kErrorInsufficientBuffer,
       {"default: TEventLog - User SID lookup fail, error code: 122"}, {}},
      {"CloseHandle", win::kErrorInvalidHandle, {}, {"Shutdown,20260601,120004"}},
  };
  for (const Cell& cell : cells) {
    SCOPED_TRACE(std::string(cell.call) + " " + std::to_string(cell.error));
    NewCell();
    security.FailCall(cell.call, cell.error);

    StartAndRunTwoWatches();

    std::vector<std::string> boxes = cell.boxes;
    boxes.push_back(kFollowUpMessage);
    EXPECT_EQ(Boxes(), boxes);
    EXPECT_EQ(LogTexts(), cell.log);
    EXPECT_EQ(power.CountCalls("ExitWindowsEx"), cell.log.empty() ? 0 : 1);
    EXPECT_EQ(security.CountCalls("OpenProcessToken"), security.CountCalls("CloseHandle"));
  }
}

}  // namespace
}  // namespace haltwise::testing
