#pragma once
// The main window on a small simulated machine, driven as its message loop
// drives it: an error that escapes a handler is shown by the toolkit's
// default handling (recorded here as "default: <message>") and the program
// goes on. Each cell of a fault matrix starts the window with one call made
// to fail, lets it sample, and runs two watches through it.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "perf_machine.h"

namespace haltwise::testing {

class FaultMatrixFixture : public MachineFixture {
 protected:
  FaultMatrixFixture() {
    UseMachine(perftest::Scenario::Demo);
    confirmation.dispatch = [this](const std::function<void()>& step) { Handle(step); };
  }

  void Handle(const std::function<void()>& handler) {
    try {
      handler();
    } catch (const std::exception& error) {
      notifier.shown.push_back(std::string("default: ") + error.what());
    }
  }

  // One message at a time: each second's timer ticks are messages of their own.
  void RunSeconds(int seconds) {
    for (int i = 0; i < seconds; ++i) Handle([&] { AdvanceSeconds(1); });
  }

  // Forgets the faults and the records of the previous cell; every cell
  // starts at noon on 1 June 2026.
  void NewCell() {
    for (fake::FakeSeam* seam : std::initializer_list<fake::FakeSeam*>{
             &registry, &security, &power, &events, &shell, &profile, &systemInfo}) {
      seam->ClearFaults();
      seam->ClearCalls();
    }
    notifier.shown.clear();
    events.events.clear();
    clock.SetLocal(EncodeDate(2026, 6, 1) + EncodeTime(12, 0, 0, 0));
  }

  // Created and activated, each step handled as the message loop does.
  void StartHandled(const std::string& arguments) {
    Recreate(arguments);
    Handle([&] { form->FormCreate(); });
    Handle([&] { form->ApplicationEvents1Activate(); });
  }

  // The user arms a watch scheduled for the present moment with `action`
  // pressed; it falls due at the next tick.
  void RunDueWatch(Button TfrmShutdown::*action = &TfrmShutdown::chkShutdown) {
    Handle([&] { ArmScheduledNow((*form).*action); });
    RunSeconds(2);
  }

  // The user stops what the window holds and runs a watch with confirmation
  // on, releasing its action while it waits: after the countdown the last
  // box is then kFollowUpMessage. It needs neither the event log nor the
  // power calls, so it shows that the window still works whatever failed
  // before.
  void RunFollowUpWatch() {
    Handle([&] {
      if (form->btnStart.Down()) form->btnStart.UserClick();  // Stop!
    });
    form->AskConfirmation = true;
    Handle([&] {
      ArmScheduledNow(form->chkShutdown);
      form->chkShutdown.UserClick();
    });
    RunSeconds(2);
  }

  // The window starts without confirmation, samples for three seconds and
  // carries out a watch (the fake power records it); then the follow-up
  // watch.
  void StartAndRunTwoWatches() {
    StartHandled(kArguments);
    RunSeconds(3);
    RunDueWatch();
    RunFollowUpWatch();
  }

  static constexpr char kArguments[] = "ACTION=SHUTDOWN CONFIRMATION=NO";
  static constexpr char kFollowUpMessage[] = "message: Shutdown Cancelled. No Action was selected.";

  // What the user was shown in boxes (plain, error and the default
  // handling's), without beeps and balloons.
  std::vector<std::string> Boxes() const {
    std::vector<std::string> boxes;
    for (const std::string& shown : notifier.shown) {
      if (shown.rfind("beep", 0) != 0 && shown.rfind("balloon", 0) != 0) boxes.push_back(shown);
    }
    return boxes;
  }

  // The texts of the event log's entries, without their leading line breaks.
  std::vector<std::string> LogTexts() const {
    std::vector<std::string> texts;
    for (const std::string& text : EventTexts()) {
      texts.push_back(text.substr(std::min<std::size_t>(4, text.size())));
    }
    return texts;
  }

  // Scheduled for the present moment, `action` pressed, "Start!".
  void ArmScheduledNow(Button& action) {
    form->btnSched.UserClick();
    form->DateSched.SetValue(clock.Now());
    form->TimeSched.SetValue(clock.Now());
    if (!action.Down()) action.UserClick();
    form->btnStart.UserClick();
  }

  // Closed as the program ends.
  void DestroyWindow() {
    for (Timer* timer : {&form->tmrCheck, &form->tmrCpu, &form->tmrDiskRt}) queue.Remove(*timer);
    form.reset();
  }

  // No registry key, event source or token is left open.
  void ExpectNothingLeftOpen() const {
    EXPECT_EQ(registry.OpenHandleCount(), 0);
    EXPECT_EQ(events.OpenSourceCount(), 0);
    EXPECT_EQ(security.OpenTokenCount(), 0);
  }
};

}  // namespace haltwise::testing
