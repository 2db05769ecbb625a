// Error boxes that do not pile up: one open at a time, and a lasting fault
// shown once until it has gone away and come back.
#include "app/error_boxes.h"

#include <gtest/gtest.h>

#include "perf_machine.h"
#include "platform/error.h"
#include "platform/fake/fake_user_notifier.h"

namespace haltwise::testing {
namespace {

TEST(ErrorBoxes, ARepeatingFailureIsShownOnceUntilItHasGoneAway) {
  fake::FakeUserNotifier notifier;
  ErrorBoxes boxes(notifier);
  const int sampler = 0, check = 0;
  bool failing = true;
  const auto sample = [&] {
    if (failing) throw Error("Access is denied.");
  };
  for (int i = 0; i < 5; ++i) boxes.Run(&sampler, sample);
  boxes.Run(&check, sample);  // another handler: its own box
  EXPECT_EQ(notifier.shown,
            (std::vector<std::string>{"error: Access is denied.", "error: Access is denied."}));
  failing = false;
  boxes.Run(&sampler, sample);
  failing = true;
  boxes.Run(&sampler, sample);  // came back
  boxes.Run(&sampler, [] { throw Error("Another failure."); });
  EXPECT_EQ(notifier.shown.size(), 4u);
  EXPECT_EQ(notifier.shown.back(), "error: Another failure.");
}

TEST(ErrorBoxes, OneBoxAtATimeAndAnErrorAskedForMeanwhileFollows) {
  fake::FakeUserNotifier notifier;
  ErrorBoxes boxes(notifier);
  const int sampler = 0;
  int open = 0, most = 0;
  notifier.whileOpen = [&](const std::string& box) {
    most = std::max(most, ++open);
    if (box == "error: The sampler failed.") {
      boxes.Run(&sampler, [] { throw Error("The sampler failed again."); });  // dropped
      boxes.ShowError("Can't shutdown.");                                     // follows
      boxes.ShowMessage("Test Shutdown mode 9");  // not an error box: passes
    }
    --open;
  };
  boxes.Run(&sampler, [] { throw Error("The sampler failed."); });
  EXPECT_EQ(notifier.shown,
            (std::vector<std::string>{"error: The sampler failed.", "message: Test Shutdown mode 9",
                                      "error: Can't shutdown."}));
  EXPECT_EQ(most, 2) << "the plain box is the only one open beside the error box";
}

using LastingFaults = MachineFixture;

// The event source fails while a counter that cannot be computed makes
// every custom sample fail:
// the user leaves the box open for a minute (its loop runs the timers),
// and a watch falls due meanwhile.
TEST_F(LastingFaults, OneBoxWhileTheFaultLastsAndTheWatchGoesOn) {
  UseMachine(perftest::Scenario::Steady);
  StartWindow("MODE=COUNTDOWN MINUTES=1 ACTION=SHUTDOWN /testonly");
  events.FailCall("RegisterEventSource", win::kErrorAccessDenied);
  ChooseCustom("Counter Type Samples", "Sample Base", "alpha");
  notifier.whileOpen = [&](const std::string& box) {
    if (box.rfind("error: ", 0) == 0) AdvanceSeconds(60);
  };
  form->btnStart.UserClick();
  AdvanceSeconds(120);
  const std::string failure = "error: TEventLog - Event source registration fail, error code: 5";
  std::vector<std::string> boxes;
  for (const std::string& shown : notifier.shown) {
    if (shown.rfind("error: ", 0) == 0 || shown.rfind("message: ", 0) == 0) boxes.push_back(shown);
  }
  EXPECT_EQ(boxes, (std::vector<std::string>{failure, "message: Test Shutdown mode 9"}));

  // The fault goes away (a counter that works), then comes back: shown again.
  ChooseCustom("Processor", "% Processor Time", "_Total");
  AdvanceSeconds(2);
  notifier.whileOpen = nullptr;
  ChooseCustom("Counter Type Samples", "Sample Base", "alpha");
  AdvanceSeconds(5);
  EXPECT_EQ(notifier.shown.back(), failure);
  EXPECT_EQ(std::count(notifier.shown.begin(), notifier.shown.end(), failure), 2);
}

}  // namespace
}  // namespace haltwise::testing
