// The main window around the watch: creation, first activation, hiding to
// the notification area, the about box and the help page.
#include <utility>

#include "app/command_line_presets.h"
#include "app/frm_shutdown.h"
#include "config/command_line_messages.h"
#include "config/exe_folder.h"
#include "platform/win_constants.h"

namespace haltwise {

namespace {
constexpr char kVersion[] = "v2.0";
}

void TfrmShutdown::FormCreate() {
  FirstActivation = true;
  LoadSkin();
  lblVer.SetCaption(kVersion);
  miVer.SetCaption(btnTitle.Caption());
  pcConfig.SetTabsVisible(false);
  pcConfig.ShowPage("tsSplash");
  const DateTime now = services_.clock.Now();
  DateSched.SetValue(now + 1);
  TimeSched.SetValue(now);
  ResetStatus();
  ApplyCommandLine();
  if (!skinError_.empty()) errorBoxes_.ShowError(std::exchange(skinError_, {}));
}

void TfrmShutdown::ApplyCommandLine() {
  // The help lies beside the program, wherever it was started from.
  if (commandLine_.HasSwitch(kSwitchHelp)) {
    ShellOpen(services_.shell, PathBesideExe(startup_.exePath, kCommandLineHelpPage), "", "",
              win::kSwShowNormal);
  }
  const PresetControls controls{btnIdle,      btnSched,  btnCntDn,  edtCPUUsage, edtCPUMin,
                                chkNoInput,   DateSched, TimeSched, edtCntDn,    chkHours,
                                chkMins,      chkLogOff, chkReboot, chkShutdown, chkSuspend,
                                chkHibernate, chkForce};
  const PresetOptions options =
      CommandLinePresets(commandLine_, services_.notifier, controls).Apply();
  AskConfirmation = options.askConfirmation;
  WarnAhead = options.warnAhead;
  SnoozeMinutes = options.snoozeMinutes.value_or(kDefaultSnoozeMinutes);
  KeepMachineAwake = options.keepAwake;
}

void TfrmShutdown::ApplicationEvents1Activate() {
  if (!FirstActivation) return;
  FirstActivation = false;
  // The cursor comes back also when an error leaves the one-time work,
  // which is then not tried again.
  ScopedHourglass hourglass(services_.host);
  SetStatus("Initializing performance counters, please wait...");
  services_.host.PaintNow();
  InitPerformanceMonitoring();
  LoadSettings();
  SetStatus("No shutdown in progress.");
}

void TfrmShutdown::btnHideClick() {
  JvTray.SetVisible(true);
  services_.host.HideMainWindow();
}

void TfrmShutdown::Restore1Click() {
  services_.host.ShowMainWindow();
  JvTray.SetVisible(false);
}

void TfrmShutdown::btnTitleClick() {
  services_.host.ShowAboutBox({skinColors.FormBackground, skinColors.Text, kVersion});
}

void TfrmShutdown::btnHelpClick() {
  ShellOpen(services_.shell, PathBesideExe(startup_.exePath, "Help\\HaltwiseHelp.htm"), "#index",
            "", win::kSwShow);
}

}  // namespace haltwise
