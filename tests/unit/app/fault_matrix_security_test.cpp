// Reading the user's SID from the process token failing for the entry
// before a power call, and a token that cannot be closed. (Opening the token
// for the privilege, and the privilege calls, are in execute_action_test.)
// A lookup that fails loses the Information entry, never the power call.
#include "fault_matrix_fixture.h"

namespace haltwise::testing {
namespace {

using SecurityFaults = FaultMatrixFixture;

TEST_F(SecurityFaults, EachLookupFailingBeforeAPowerCall) {
  struct Cell {
    const char* call;
    const char* argument;  // the part of the call's arguments that picks it
    long error;
    std::vector<std::string> boxes;  // before the follow-up watch
    std::vector<std::string> log;
  };
  const Cell cells[] = {
      // The token opened only to query the user (TOKEN_QUERY, 8).
      {"OpenProcessToken",
       "access=8",
       win::kErrorAccessDenied,
       {"error: TEventLog - User SID lookup fail, error code: 5"},
       {}},
      {"GetTokenInformation",
       "",
       win::kErrorAccessDenied,
       {"error: TEventLog - User SID lookup fail, error code: 5"},
       {}},
      {"GetTokenInformation",
       "",
       win::kErrorInsufficientBuffer,
       {"error: TEventLog - User SID lookup fail, error code: 122"},
       {}},
      {"CloseHandle", "", win::kErrorInvalidHandle, {}, {"Shutdown,20260601,120004"}},
  };
  for (const Cell& cell : cells) {
    SCOPED_TRACE(std::string(cell.call) + " " + std::to_string(cell.error));
    NewCell();
    security.FailCall(cell.call, cell.error, -1, cell.argument);

    StartAndRunTwoWatches();

    std::vector<std::string> boxes = cell.boxes;
    boxes.push_back(kFollowUpMessage);
    EXPECT_EQ(Boxes(), boxes);
    EXPECT_EQ(LogTexts(), cell.log);
    EXPECT_EQ(power.CountCalls("ExitWindowsEx"), 1);
    // Every token opened is closed, or at least its close was attempted.
    if (std::string(cell.call) == "CloseHandle") {
      EXPECT_EQ(security.CountCalls("OpenProcessToken"), security.CountCalls("CloseHandle"));
    } else {
      EXPECT_EQ(security.OpenTokenCount(), 0);
    }
  }
}

}  // namespace
}  // namespace haltwise::testing
