// Handing a due watch over to the power action.
#include "app/frm_shutdown.h"

namespace haltwise {

void TfrmShutdown::ExecuteAction() {
  watch_.HandOver(AskConfirmation);
  FollowWatch();  // off, so the watch is not acted on twice
  const ActionToggles toggles = PressedActions();
  const std::int32_t code = ActionCode(toggles);

  if (AskConfirmation) {
    int result;
    {
      TfrmConfirm confirm(services_.notifier, SnoozeMinutes);
      result = services_.confirmation.ShowModal(confirm);
    }
    // The watch may have ended while the countdown ran (the session ended).
    if (watch_.State() != WatchState::Confirming) return;
    if (result == TfrmConfirm::kSnooze) {
      SnoozeWatch();
      return;
    }
    watch_.EndConfirmation(result != TfrmConfirm::kCancel);
    if (watch_.ActionCancelled()) {
      ShowActionCancelled();
      return;
    }
  }
  // A rehearsal with or without the dialog: someone trying out a script with
  // CONFIRMATION=NO must not lose their unsaved work.
  const bool testOnly = commandLine_.HasSwitch("testonly");

  if (!toggles.AnyAction()) {
    services_.notifier.ShowMessage("Shutdown Cancelled. No Action was selected.");
    return;
  }
  if (code >= 0) {
    if (testOnly) {
      services_.notifier.ShowMessage("Test Shutdown mode " + std::to_string(code));
    } else {
      powerActions_.ExitWindowsWithPrivilege(code).RaiseLogFailure();
    }
    return;
  }
  if (testOnly) {
    services_.notifier.ShowMessage("Test Suspend");
    return;
  }
  // The call returns once the machine has resumed, or at once on failure;
  // only a suspend that happened is reported, with the moment it began.
  const DateTime suspendedAt = services_.clock.Now();
  const PowerCallResult result = powerActions_.SuspendWithPrivilege(toggles.suspend, toggles.force);
  if (result.succeeded) SetStatus("Suspended at " + services_.locale.LongDate(suspendedAt));
  result.RaiseLogFailure();
}

}  // namespace haltwise
