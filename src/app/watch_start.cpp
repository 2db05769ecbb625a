// Arming and disarming a watch, and choosing its mode.
#include <algorithm>

#include "app/frm_shutdown.h"
#include "platform/win_constants.h"

namespace haltwise {

std::array<Button*, 6> TfrmShutdown::ModeButtons() {
  return {&btnIdle, &btnSched, &btnCntDn, &btnNetTr, &btnDiskTr, &btnCustom};
}

ActionToggles TfrmShutdown::PressedActions() const {
  return {chkLogOff.Down(),  chkReboot.Down(),    chkShutdown.Down(),
          chkSuspend.Down(), chkHibernate.Down(), chkForce.Down()};
}

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

  const auto modes = ModeButtons();
  const bool anyMode =
      std::any_of(modes.begin(), modes.end(), [](const Button* b) { return b->Down(); });
  if (btnStart.Down() && anyMode) {
    btnStart.SetCaption("Stop!");
    // The last pressed button in this order decides the mode...
    const std::pair<Button*, ShutdownMode> byHighlight[] = {
        {&btnIdle, ShutdownMode::CpuIdle},       {&btnCntDn, ShutdownMode::CountDown},
        {&btnSched, ShutdownMode::Scheduled},    {&btnDiskTr, ShutdownMode::DiskTraffic},
        {&btnNetTr, ShutdownMode::NetTraffic},   {&btnCustom, ShutdownMode::Custom}};
    for (const auto& [button, mode] : byHighlight) {
      if (!button->Down()) continue;
      button->SetBold(true);
      button->SetFontColor(skinColors.ButtonsCaptionActive);
      WatchMode = mode;
    }
    // ...and the first in this one is armed, so a time mode wins over the
    // processor condition that the command line may have pressed beside it.
    const std::pair<Button*, Button*> byArming[] = {
        {&btnSched, &btnStartSched},   {&btnCntDn, &btnStartCntDn},
        {&btnDiskTr, &btnStartDiskTr}, {&btnNetTr, &btnStartNetTr},
        {&btnCustom, &btnStartCustom}, {&btnIdle, &btnStartIdle}};
    for (const auto& [mode, starter] : byArming) {
      if (mode->Down()) {
        starter->Click();
        break;
      }
    }
    return;
  }

  btnStart.SetCaption("Start!");
  tmrCheck.SetEnabled(false);
  btnStart.SetDown(false);
  WatchMode = ShutdownMode::None;
  ResetModeButtons();
  services_.notifier.Beep(win::kMbIconExclamation);
  ResetStatus();
}

void TfrmShutdown::btnIdleClick(Button& clicked) {
  if (btnStart.Down()) {
    ShowBalloon("Stop current shutdown to make any changes.");
    clicked.SetDown(false);
  } else {
    ResetModeButtons();
    clicked.SetDown(true);
  }
  SetStatus(clicked.Hint());
  pcConfig.SetActivePageIndex(clicked.TabOrder());
}

void TfrmShutdown::btnStartSchedClick() {
  TargetTime = DateOf(DateSched.Value()) + TimeOf(TimeSched.Value());
  tmrCheck.SetEnabled(true);
}

void TfrmShutdown::btnStartCntDnClick() {
  std::uint32_t unitMs = 0;
  if (chkHours.Checked()) unitMs = 3600000;
  if (chkMins.Checked()) unitMs = 60000;
  // 999 hours plus 2 seconds still fits an unsigned 32-bit count.
  const std::uint32_t ms = static_cast<std::uint32_t>(edtCntDn.IntValue()) * unitMs + 2000;
  TargetTime = services_.clock.Now() + ms / kMsPerDay;
  tmrCheck.SetEnabled(true);
}

void TfrmShutdown::btnStartIdleClick() {
  const DateTime now = services_.clock.Now();
  TargetTime = now + 1000;
  CpuIdleSince.Restart(services_.clock.TickCount(), now);
  tmrCheck.SetEnabled(true);
}

void TfrmShutdown::btnStartNetTrClick() {
  const DateTime now = services_.clock.Now();
  TargetTime = now + 100;
  NetLowSince.Restart(services_.clock.TickCount(), now);
  tmrCheck.SetEnabled(true);
}

void TfrmShutdown::btnStartDiskTrClick() {
  const DateTime now = services_.clock.Now();
  TargetTime = now + 100;
  DiskLowSince.Restart(services_.clock.TickCount(), now);
  tmrCheck.SetEnabled(true);
}

void TfrmShutdown::btnStartCustomClick() {
  const DateTime now = services_.clock.Now();
  TargetTime = now + 100;
  CustomInRangeSince.Restart(services_.clock.TickCount(), now);
  tmrCheck.SetEnabled(true);
}

void TfrmShutdown::DateSchedChange() {
  TimeSched.SetValue(DateOf(DateSched.Value()) + TimeOf(TimeSched.Value()));
}

}  // namespace haltwise
