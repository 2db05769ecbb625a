#include "app/confirm_dialog.h"

#include <string>

#include "platform/win_constants.h"

namespace haltwise {

TfrmConfirm::TfrmConfirm(UserNotifier& notifier, int snoozeMinutes) {
  Label1.SetCaption("Shutdown will occur in 10 seconds...");
  SpeedButton1.SetCaption("Cancel !!");
  btnSnooze.SetCaption("Snooze");
  btnSnooze.SetVisible(snoozeMinutes > 0);
  Timer1.OnTimer = [this] { Timer1Timer(); };
  notifier.Beep(win::kMbIconExclamation);
}

void TfrmConfirm::Timer1Timer() {
  --secondsLeft_;
  Label1.SetCaption("Shutdown will occur in " + std::to_string(secondsLeft_) + " seconds...");
  if (secondsLeft_ == 0) modalResult_ = kOk;
}

}  // namespace haltwise
