// Arming and disarming a watch, and choosing its mode.
#include <algorithm>

#include "app/frm_shutdown.h"
#include "platform/win_constants.h"

namespace haltwise {

std::array<Button*, 6> TfrmShutdown::ModeButtons() {
  return {&btnIdle, &btnSched, &btnCntDn, &btnNetTr, &btnDiskTr, &btnCustom};
}

Button* TfrmShutdown::ModeButton(ShutdownMode mode) {
  switch (mode) {
    case ShutdownMode::CpuIdle:
      return &btnIdle;
    case ShutdownMode::Scheduled:
      return &btnSched;
    case ShutdownMode::CountDown:
      return &btnCntDn;
    case ShutdownMode::NetTraffic:
      return &btnNetTr;
    case ShutdownMode::DiskTraffic:
      return &btnDiskTr;
    case ShutdownMode::Custom:
      return &btnCustom;
    case ShutdownMode::None:
      break;
  }
  return nullptr;
}

// The mode "Start!" arms. Only the command line presses two buttons: the
// processor condition beside a time mode, which then is the one armed.
std::optional<ShutdownMode> TfrmShutdown::ChosenMode() const {
  const std::pair<const Button*, ShutdownMode> byPrecedence[] = {
      {&btnSched, ShutdownMode::Scheduled},    {&btnCntDn, ShutdownMode::CountDown},
      {&btnDiskTr, ShutdownMode::DiskTraffic}, {&btnNetTr, ShutdownMode::NetTraffic},
      {&btnCustom, ShutdownMode::Custom},      {&btnIdle, ShutdownMode::CpuIdle}};
  for (const auto& [button, mode] : byPrecedence) {
    if (button->Down()) return mode;
  }
  return std::nullopt;
}

// The buttons that show the armed watch: its mode's, and "CPU Idle Time"
// for the processor condition.
bool TfrmShutdown::IsArmedModeButton(const Button& button) {
  if (watch_.State() == WatchState::Idle) return false;
  return &button == ModeButton(watch_.Mode()) || (&button == &btnIdle && watch_.CpuClause());
}

ActionToggles TfrmShutdown::PressedActions() const {
  return {chkLogOff.Down(),  chkReboot.Down(),    chkShutdown.Down(),
          chkSuspend.Down(), chkHibernate.Down(), chkForce.Down()};
}

Moment TfrmShutdown::Now() const { return {services_.clock.TickCount(), services_.clock.Now()}; }

void TfrmShutdown::ShowBalloon(const std::string& text) {
  services_.notifier.ShowBalloon(btnStart.Name(), text, "", 5000);
}

void TfrmShutdown::ResetModeButtons() {
  for (Button* button : ModeButtons()) {
    button->SetDown(false);
    button->SetFontColor(skinColors.ButtonsCaptionInactive);
    button->SetBold(false);
  }
}

void TfrmShutdown::btnStartClick() {
  // Refused before anything else, also for a click meant to stop a watch.
  if (!PressedActions().AnyAction()) {
    btnStart.SetDown(false);
    ShowBalloon("Please select an action to perform.");
    return;
  }
  const std::optional<ShutdownMode> mode = ChosenMode();
  if (btnStart.Down() && mode) {
    Arm(*mode);
  } else {
    watch_.Disarm();
    ShowDisarmed();
  }
}

std::uint32_t TfrmShutdown::CountDownMs() const {
  std::uint32_t unitMs = 0;
  if (chkHours.Checked()) unitMs = 3600000;
  if (chkMins.Checked()) unitMs = 60000;
  // 999 hours plus 2 seconds still fits an unsigned 32-bit count.
  return static_cast<std::uint32_t>(edtCntDn.IntValue()) * unitMs + 2000;
}

void TfrmShutdown::Arm(ShutdownMode mode) {
  const Moment at = Now();
  const bool cpuClause = btnIdle.Down();
  switch (mode) {
    case ShutdownMode::Scheduled:
      watch_.ArmScheduled(DateOf(DateSched.Value()) + TimeOf(TimeSched.Value()), cpuClause);
      break;
    case ShutdownMode::CountDown:
      watch_.ArmCountDown(CountDownMs(), cpuClause, at);
      break;
    default:
      watch_.ArmLoad(mode, cpuClause, at);
      break;
  }
  if (watch_.IsTimed()) warnings_.Arm(watch_.MsLeft(at));
  btnStart.SetCaption("Stop!");
  for (Button* button : ModeButtons()) {
    if (!IsArmedModeButton(*button)) continue;
    button->SetBold(true);
    button->SetFontColor(skinColors.ButtonsCaptionActive);
  }
  FollowWatch();
}

void TfrmShutdown::FollowWatch() {
  tmrCheck.SetEnabled(watch_.Checking());
  // Without it Windows' idle sleep may end the wait, and with it a download
  // the user is waiting for; a due watch no longer needs it.
  if (KeepMachineAwake && watch_.State() == WatchState::Armed) {
    keepAwake_.Hold(WaitingReason(PressedActions()));
  } else {
    keepAwake_.Release();
  }
}

void TfrmShutdown::ShowDisarmed(bool beep) {
  btnStart.SetCaption("Start!");
  FollowWatch();
  btnStart.SetDown(false);
  ResetModeButtons();
  if (beep) services_.notifier.Beep(win::kMbIconExclamation);
  ResetStatus();
}

void TfrmShutdown::btnIdleClick(Button& clicked) {
  if (watch_.State() != WatchState::Idle) {
    // Nothing changes: the armed mode's own button stays pressed.
    ShowBalloon("Stop current shutdown to make any changes.");
    clicked.SetDown(IsArmedModeButton(clicked));
  } else {
    ResetModeButtons();
    clicked.SetDown(true);
  }
  SetStatus(clicked.Hint());
  pcConfig.SetActivePageIndex(clicked.TabOrder());
}

void TfrmShutdown::DateSchedChange() {
  TimeSched.SetValue(DateOf(DateSched.Value()) + TimeOf(TimeSched.Value()));
}

}  // namespace haltwise
