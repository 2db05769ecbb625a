// "and nobody used the keyboard or mouse": the CPU Idle Time condition holds
// only while there was no input either.
#include "app/load_samplers.h"
#include "perf_machine.h"

namespace haltwise::testing {
namespace {

class InputClause : public MachineFixture {
 protected:
  void Touch() { input.lastInputTick = clock.TickCount(); }
  std::string Status() const { return form->lblStatusBar.Caption(); }
};

// A quiet processor throughout; someone uses the mouse 100 seconds in. The
// count starts again from there, also when the tick counter wraps in
// between (49.7 days after the machine started).
TEST_F(InputClause, InputRestartsTheCountAndQuietHoldsIt) {
  for (const std::uint32_t startTick : {1000000u, 0xFFFF0000u}) {
    SCOPED_TRACE(startTick);
    UseMachine(perftest::Scenario::Quiet, 0);
    clock.SetTick(startTick);
    StartWindow("MODE=IDLETIME MINUTES=3 INPUT=YES ACTION=LOGOFF /testonly");
    ASSERT_TRUE(form->chkNoInput.Checked());
    AdvanceSeconds(5);  // the processor meter needs two samples
    Touch();            // the click on "Start!"
    form->btnStart.UserClick();
    AdvanceSeconds(100);
    EXPECT_EQ(Status(),
              "Processor under 10% and no keyboard or mouse input for 01 minutes 40 seconds. "
              "Shutdown will ocurr in 00:00:01:21.");
    Touch();
    AdvanceSeconds(2);
    EXPECT_EQ(Status(),
              "Processor under 10% and no keyboard or mouse input for 01 seconds. Shutdown will "
              "ocurr in 00:00:03:00.");
    AdvanceSeconds(180);
    EXPECT_EQ(confirmation.shown, 0);
    AdvanceSeconds(1);
    EXPECT_EQ(confirmation.shown, 1);
    EXPECT_EQ(notifier.shown.back(), "message: Test Shutdown mode 0");
    confirmation.shown = 0;
  }
}

TEST_F(InputClause, WithoutTheBoxInputDoesNotMatter) {
  UseMachine(perftest::Scenario::Quiet, 0);
  StartWindow("MODE=IDLETIME MINUTES=1 ACTION=LOGOFF /testonly");
  ASSERT_FALSE(form->chkNoInput.Checked());
  AdvanceSeconds(5);
  form->btnStart.UserClick();
  for (int i = 0; i < 61; ++i) {
    Touch();
    AdvanceSeconds(1);
  }
  EXPECT_EQ(Status().find("keyboard"), std::string::npos) << Status();
  AdvanceSeconds(1);
  EXPECT_EQ(confirmation.shown, 1);
}

// When Windows cannot say whether someone is there, the machine is not
// switched off under them: the condition does not hold.
TEST_F(InputClause, UnknownInputCountsAsSomeoneThere) {
  UseMachine(perftest::Scenario::Quiet, 0);
  StartWindow("MODE=IDLETIME MINUTES=1 INPUT=YES ACTION=LOGOFF /testonly");
  AdvanceSeconds(5);
  input.FailCall("GetLastInputInfo", win::kErrorAccessDenied);
  form->btnStart.UserClick();
  AdvanceSeconds(180);
  EXPECT_EQ(confirmation.shown, 0);
  input.ClearFaults();
  AdvanceSeconds(62);
  EXPECT_EQ(confirmation.shown, 1);
}

// With the box ticked, a limit of 100 % leaves the processor out: the mode
// is a pure "nobody there" trigger, even at full load.
TEST(CpuConditionHolds, TheLimitAndTheInputClause) {
  struct Case {
    int usage;
    double limit;
    bool inputClause;
    bool holds;
  };
  const Case cases[] = {
      {9, 10, false, true},    {10, 10, false, false},   {10, 10, true, false},
      {99, 100, false, true},  {100, 100, false, false}, {100, 100, true, true},
      {100, 150, false, true}, {50, 99, true, true},     {99, 99, true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CpuConditionHolds(c.usage, c.limit, c.inputClause), c.holds)
        << c.usage << " " << c.limit << " " << c.inputClause;
  }
}

}  // namespace
}  // namespace haltwise::testing
