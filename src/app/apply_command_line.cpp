// Presetting the window from the command line. It never arms a watch; each
// fault is shown in its own message box and the rest still applies.
#include <optional>

#include "app/frm_shutdown.h"
#include "config/command_line_messages.h"
#include "config/command_line_values.h"
#include "platform/text.h"
#include "platform/win_constants.h"

namespace haltwise {

std::optional<std::string> TfrmShutdown::Param(const char* name) const {
  if (!commandLine_.CmdLineHasParam(name)) return std::nullopt;
  return commandLine_.CmdLineParamValue(name);
}

// "CPU" beside a time mode: the limit, and the idle condition pressed too.
void TfrmShutdown::ApplyTimedCpuParam() {
  const auto cpu = Param(kParamCpu);
  if (!cpu) return;
  const auto usage = TryStrToIntStrict(*cpu);
  if (!usage) {
    services_.notifier.ShowMessage(InvalidTimedCpuMessage(*cpu));
    return;
  }
  edtCPUUsage.SetValue(*usage);
  btnIdle.SetDown(true);
}

void TfrmShutdown::ApplyScheduledParams() {
  const auto date = Param(kParamDate);
  if (!date) {
    services_.notifier.ShowMessage(kMissingDate);
    return;
  }
  const auto day = ParseCommandLineDate(*date);
  if (!day) {
    services_.notifier.ShowMessage(InvalidDateMessage(*date));
    return;
  }
  DateSched.SetValue(*day + TimeOf(DateSched.Value()));
  const auto time = Param(kParamTime);
  if (!time) {
    services_.notifier.ShowMessage(kMissingTime);
    return;
  }
  const auto timeOfDay = ParseCommandLineTime(*time);
  if (!timeOfDay) {
    services_.notifier.ShowMessage(InvalidTimeMessage(*time));
    return;
  }
  TimeSched.SetValue(DateOf(TimeSched.Value()) + *timeOfDay);
  ApplyTimedCpuParam();
}

void TfrmShutdown::ApplyCountDownParams() {
  if (const auto minutes = Param(kParamMinutes)) {
    if (const auto value = TryStrToIntStrict(*minutes)) {
      edtCntDn.SetValue(*value);
      chkMins.SetChecked(true);
    } else {
      services_.notifier.ShowMessage(InvalidCountDownMinutesMessage(*minutes));
    }
  } else if (const auto hours = Param(kParamHours)) {
    if (const auto value = TryStrToIntStrict(*hours)) {
      edtCntDn.SetValue(*value);
      chkHours.SetChecked(true);
    } else {
      services_.notifier.ShowMessage(InvalidCountDownHoursMessage(*hours));
    }
  } else {
    services_.notifier.ShowMessage(kMissingCountDownLength);
  }
  ApplyTimedCpuParam();
}

void TfrmShutdown::ApplyIdleParams() {
  if (const auto minutes = Param(kParamMinutes)) {
    if (const auto value = TryStrToIntStrict(*minutes)) {
      edtCPUMin.SetValue(*value);
    } else {
      services_.notifier.ShowMessage(InvalidIdleMinutesMessage(*minutes));
    }
  }
  if (const auto cpu = Param(kParamCpu)) {
    if (const auto value = TryStrToIntStrict(*cpu)) {
      edtCPUUsage.SetValue(*value);
    } else {
      services_.notifier.ShowMessage(InvalidIdleCpuMessage(*cpu));
    }
  }
}

void TfrmShutdown::ApplyCommandLine() {
  if (commandLine_.HasSwitch(kSwitchHelp)) {
    ShellOpen(services_.shell, kCommandLineHelpPage, "", "", win::kSwShowNormal);
  }

  if (const auto mode = Param(kParamMode)) {
    const std::string upper = UpperCaseAscii(*mode);
    if (upper == "IDLETIME") {
      btnIdle.SetDown(true);
    } else if (upper == "SCHEDULED") {
      btnSched.SetDown(true);
    } else if (upper == "COUNTDOWN") {
      btnCntDn.SetDown(true);
    } else {
      services_.notifier.ShowMessage(InvalidModeMessage(upper));
    }
  }

  // The first pressed button is clicked as the user would, which releases
  // the others; its parameters may press btnIdle again beside it.
  if (btnSched.Down()) {
    btnSched.Click();
    ApplyScheduledParams();
  } else if (btnCntDn.Down()) {
    btnCntDn.Click();
    ApplyCountDownParams();
  } else if (btnIdle.Down()) {
    btnIdle.Click();
    ApplyIdleParams();
  }

  const auto confirmation = Param(kParamConfirmation);
  AskConfirmation = !(confirmation && UpperCaseAscii(*confirmation) == "NO");

  const auto force = Param(kParamForce);
  chkForce.SetDown(force && UpperCaseAscii(*force) == "YES");

  if (const auto action = Param(kParamAction)) {
    const std::string upper = UpperCaseAscii(*action);
    const std::pair<Button*, const char*> keywords[] = {
        {&chkLogOff, "LOGOFF"},     {&chkReboot, "REBOOT"},      {&chkShutdown, "SHUTDOWN"},
        {&chkSuspend, "SUSPEND"},   {&chkHibernate, "HIBERNATE"}};
    bool anyPressed = false;
    for (const auto& [toggle, keyword] : keywords) {
      toggle->SetDown(upper == keyword);
      anyPressed = anyPressed || toggle->Down();
    }
    if (!anyPressed) services_.notifier.ShowMessage(InvalidActionMessage(upper));
  }
}

}  // namespace haltwise
