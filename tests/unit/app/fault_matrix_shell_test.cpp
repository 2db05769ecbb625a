// The shell failing to open the help pages: from "/?" on the command line
// and from the help button. The shell reports its own errors; the window
// shows nothing and goes on.
#include "fault_matrix_fixture.h"

namespace haltwise::testing {
namespace {

using ShellFaults = FaultMatrixFixture;

TEST_F(ShellFaults, HelpPagesThatCannotBeOpened) {
  struct Cell {
    const char* page;
    long error;  // ShellExecute's result, 32 or below
  };
  const Cell cells[] = {
      {"CmdLine.html", 2},      // SE_ERR_FNF
      {"CmdLine.html", 31},     // SE_ERR_NOASSOC
      {"HaltwiseHelp.htm", 5},  // SE_ERR_ACCESSDENIED
      {"HaltwiseHelp.htm", 8},  // SE_ERR_OOM
  };
  for (const Cell& cell : cells) {
    SCOPED_TRACE(std::string(cell.page) + " " + std::to_string(cell.error));
    NewCell();
    shell.FailCall("ShellExecute", cell.error, -1, cell.page);
    StartHandled(std::string("/? ") + kArguments);
    Handle([&] { form->btnHelp.UserClick(); });
    EXPECT_EQ(shell.CountCalls("ShellExecute"), 2);
    RunDueWatch();
    EXPECT_EQ(Boxes(), std::vector<std::string>{});
    EXPECT_EQ(power.CountCalls("ExitWindowsEx"), 1);
    RunFollowUpWatch();
    EXPECT_EQ(Boxes(), std::vector<std::string>{kFollowUpMessage});
  }
}

}  // namespace
}  // namespace haltwise::testing
