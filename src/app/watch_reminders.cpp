// The warnings before a time watch acts, "Snooze" in the confirmation, and
// the keyboard-and-mouse clause of the CPU Idle Time mode.
#include "app/frm_shutdown.h"

namespace haltwise {

// Hidden in the notification area, the window has no control to point at:
// the balloon comes from the icon.
void TfrmShutdown::ShowAdvanceWarning(int minutes) {
  const auto text = AdvanceWarningText(PressedActions(), minutes);
  if (!text) return;
  if (JvTray.Visible()) {
    services_.host.ShowTrayBalloon(startup_.applicationTitle, *text);
  } else {
    services_.notifier.ShowBalloon(btnStart.Name(), *text, "", 10000);
  }
}

void TfrmShutdown::SnoozeWatch() {
  const Moment at = Now();
  watch_.Snooze(static_cast<std::uint32_t>(SnoozeMinutes) * 60000u, at);
  if (watch_.IsTimed()) warnings_.Arm(watch_.MsLeft(at));
  FollowWatch();
  ShowProgress(at);
}

std::string TfrmShutdown::SnoozedPrefix() const {
  if (!watch_.Snoozed()) return "";
  return "Snoozed until " + services_.locale.LongTime(watch_.SnoozedUntil()) + ". ";
}

bool TfrmShutdown::InputClauseArmed() const {
  return chkNoInput.Checked() && watch_.Mode() == ShutdownMode::CpuIdle;
}

}  // namespace haltwise
