#include "app/confirm_dialog.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/fake/fake_user_notifier.h"

namespace haltwise {
namespace {

// The dialog ticked `ticks` seconds, then `act` ran on it.
int ResultOf(int snoozeMinutes, int ticks, const std::function<void(TfrmConfirm&)>& act) {
  fake::FakeUserNotifier notifier;
  TfrmConfirm dialog(notifier, snoozeMinutes);
  for (int i = 0; i < ticks && dialog.ModalResult() == TfrmConfirm::kNone; ++i)
    dialog.Timer1.OnTimer();
  if (dialog.ModalResult() == TfrmConfirm::kNone) act(dialog);
  return dialog.ModalResult();
}

TEST(ConfirmDialog, SnoozeIsOfferedBesideCancelOnlyWithASnoozeLength) {
  fake::FakeUserNotifier notifier;
  TfrmConfirm withSnooze(notifier, 10);
  EXPECT_EQ(withSnooze.btnSnooze.Caption(), "Snooze");
  EXPECT_TRUE(withSnooze.btnSnooze.Visible());
  EXPECT_EQ(withSnooze.SpeedButton1.Caption(), "Cancel !!");
  TfrmConfirm without(notifier, 0);
  EXPECT_FALSE(without.btnSnooze.Visible());
}

// Escape, Alt+F4 and the system's close command all reach the dialog as a
// close; none of them may snooze or let the action go ahead.
TEST(ConfirmDialog, EveryWayOfClosingButSnoozeCancels) {
  struct Case {
    const char* what;
    int snoozeMinutes;
    int ticks;
    std::function<void(TfrmConfirm&)> act;
    int result;
  };
  const auto close = [](TfrmConfirm& d) { d.Close(); };
  const auto cancel = [](TfrmConfirm& d) { d.SpeedButton1Click(); };
  const auto snooze = [](TfrmConfirm& d) { d.btnSnoozeClick(); };
  const auto nothing = [](TfrmConfirm&) {};
  const Case cases[] = {
      {"closed at once", 10, 0, close, TfrmConfirm::kCancel},
      {"closed in the last second", 10, 10, close, TfrmConfirm::kCancel},
      {"Cancel !!", 10, 3, cancel, TfrmConfirm::kCancel},
      {"Snooze", 10, 3, snooze, TfrmConfirm::kSnooze},
      {"Snooze in the last second", 1, 10, snooze, TfrmConfirm::kSnooze},
      {"a hidden Snooze cannot be pressed", 0, 3, snooze, TfrmConfirm::kNone},
      {"no answer: the countdown runs out", 10, 11, nothing, TfrmConfirm::kOk},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ResultOf(c.snoozeMinutes, c.ticks, c.act), c.result) << c.what;
}

TEST(ConfirmDialog, ACloseAfterTheAnswerDoesNotChangeIt) {
  fake::FakeUserNotifier notifier;
  TfrmConfirm dialog(notifier, 10);
  dialog.btnSnoozeClick();
  dialog.Close();  // the window closing after the answer
  EXPECT_EQ(dialog.ModalResult(), TfrmConfirm::kSnooze);
}

}  // namespace
}  // namespace haltwise
