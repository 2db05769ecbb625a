// Handing a due watch over to the power action.
#include "app/frm_shutdown.h"

namespace haltwise {

void TfrmShutdown::ExecuteAction() {
  watch_.HandOver(AskConfirmation);
  ShowCheckTimer();  // off, so the watch is not acted on twice
  const ActionToggles toggles = PressedActions();
  const std::int32_t code = ActionCode(toggles);

  bool testOnly = false;
  if (AskConfirmation) {
    int result;
    {
      TfrmConfirm confirm(services_.notifier);
      result = services_.confirmation.ShowModal(confirm);
    }
    // The watch may have ended while the countdown ran (the session ended).
    if (watch_.State() != WatchState::Confirming) return;
    watch_.EndConfirmation(result != TfrmConfirm::kCancel);
    if (watch_.ActionCancelled()) {
      ShowActionCancelled();
      return;
    }
    // Only a confirmed action can be a test: without the dialog the switch
    // is not looked at.
    testOnly = commandLine_.HasSwitch("testonly");
  }

  if (!toggles.AnyAction()) {
    services_.notifier.ShowMessage("Shutdown Cancelled. No Action was selected.");
    return;
  }
  if (code >= 0) {
    if (testOnly) {
      services_.notifier.ShowMessage("Test Shutdown mode " + std::to_string(code));
    } else {
      powerActions_.ExitWindowsWithPrivilege(code);
    }
    return;
  }
  if (testOnly) {
    services_.notifier.ShowMessage("Test Suspend");
    return;
  }
  SetStatus("Suspended at " + services_.locale.LongDate(services_.clock.Now()));
  powerActions_.SuspendWithPrivilege(toggles.suspend, toggles.force);
}

}  // namespace haltwise
