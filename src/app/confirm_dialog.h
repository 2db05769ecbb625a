#pragma once
#include "platform/user_notifier.h"
#include "widgets/button.h"
#include "widgets/control.h"
#include "widgets/timer.h"

namespace haltwise {

// The last chance to stop a due action: an eleven-second countdown that the
// user can cancel, or snooze to be asked again later. Its text always speaks
// of a shutdown, whatever the action.
class TfrmConfirm {
 public:
  static constexpr int kNone = 0;
  static constexpr int kOk = 1;
  static constexpr int kCancel = 2;
  static constexpr int kSnooze = 3;

  // Creation: SecondsLeft 11 and a warning beep. "Snooze" is offered only
  // with a snooze length.
  TfrmConfirm(UserNotifier& notifier, int snoozeMinutes);

  void Timer1Timer();
  void SpeedButton1Click() { modalResult_ = kCancel; }
  void btnSnoozeClick() {
    if (btnSnooze.Visible()) modalResult_ = kSnooze;
  }
  // Closing by any other means (Escape, Alt+F4, the system's close command)
  // cancels: putting the action off is never what an unspecific close means.
  void Close() {
    if (modalResult_ == kNone) modalResult_ = kCancel;
  }

  int SecondsLeft() const { return secondsLeft_; }
  int ModalResult() const { return modalResult_; }

  Control Label1{"Label1"};
  Button SpeedButton1{"SpeedButton1"};
  Button btnSnooze{"btnSnooze"};
  Timer Timer1{"Timer1", 1000, true};

 private:
  int secondsLeft_ = 11;
  int modalResult_ = kNone;
};

// Shows the dialog modally and returns its modal result. The Win32 layer
// runs a real dialog with a nested message loop; headless runs step a clock.
class ConfirmationRunner {
 public:
  virtual ~ConfirmationRunner() = default;
  virtual int ShowModal(TfrmConfirm& dialog) = 0;
};

}  // namespace haltwise
