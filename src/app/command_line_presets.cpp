#include "app/command_line_presets.h"

#include "config/command_line_messages.h"
#include "config/command_line_values.h"
#include "platform/text.h"

namespace haltwise {

std::optional<std::string> CommandLinePresets::Param(const char* name) const {
  if (!commandLine_.CmdLineHasParam(name)) return std::nullopt;
  return commandLine_.CmdLineParamValue(name);
}

// "CPU" beside a time mode: the limit, and the idle condition pressed too.
void CommandLinePresets::ApplyTimedCpuParam() {
  const auto cpu = Param(kParamCpu);
  if (!cpu) return;
  const auto usage = TryStrToIntStrict(*cpu);
  if (!usage) {
    notifier_.ShowMessage(InvalidTimedCpuMessage(*cpu));
    return;
  }
  c_.edtCPUUsage.SetValue(*usage);
  c_.btnIdle.SetDown(true);
}

void CommandLinePresets::ApplyScheduledParams() {
  const auto date = Param(kParamDate);
  if (!date) {
    notifier_.ShowMessage(kMissingDate);
    return;
  }
  const auto day = ParseCommandLineDate(*date);
  if (!day) {
    notifier_.ShowMessage(InvalidDateMessage(*date));
    return;
  }
  c_.DateSched.SetValue(*day + TimeOf(c_.DateSched.Value()));
  const auto time = Param(kParamTime);
  if (!time) {
    notifier_.ShowMessage(kMissingTime);
    return;
  }
  const auto timeOfDay = ParseCommandLineTime(*time);
  if (!timeOfDay) {
    notifier_.ShowMessage(InvalidTimeMessage(*time));
    return;
  }
  c_.TimeSched.SetValue(DateOf(c_.TimeSched.Value()) + *timeOfDay);
  ApplyTimedCpuParam();
}

void CommandLinePresets::ApplyCountDownParams() {
  if (const auto minutes = Param(kParamMinutes)) {
    if (const auto value = TryStrToIntStrict(*minutes)) {
      c_.edtCntDn.SetValue(*value);
      c_.chkMins.SetChecked(true);
    } else {
      notifier_.ShowMessage(InvalidCountDownMinutesMessage(*minutes));
    }
  } else if (const auto hours = Param(kParamHours)) {
    if (const auto value = TryStrToIntStrict(*hours)) {
      c_.edtCntDn.SetValue(*value);
      c_.chkHours.SetChecked(true);
    } else {
      notifier_.ShowMessage(InvalidCountDownHoursMessage(*hours));
    }
  } else {
    notifier_.ShowMessage(kMissingCountDownLength);
  }
  ApplyTimedCpuParam();
}

void CommandLinePresets::ApplyIdleParams() {
  if (const auto minutes = Param(kParamMinutes)) {
    if (const auto value = TryStrToIntStrict(*minutes)) {
      c_.edtCPUMin.SetValue(*value);
    } else {
      notifier_.ShowMessage(InvalidIdleMinutesMessage(*minutes));
    }
  }
  if (const auto cpu = Param(kParamCpu)) {
    if (const auto value = TryStrToIntStrict(*cpu)) {
      c_.edtCPUUsage.SetValue(*value);
    } else {
      notifier_.ShowMessage(InvalidIdleCpuMessage(*cpu));
    }
  }
  if (const auto input = Param(kParamInput)) {
    if (const auto yes = ParseYesNo(*input)) {
      c_.chkNoInput.SetChecked(*yes);
    } else {
      notifier_.ShowMessage(InvalidInputMessage(UpperCaseAscii(*input)));
    }
  }
}

void CommandLinePresets::ApplyMode() {
  if (const auto mode = Param(kParamMode)) {
    const std::string upper = UpperCaseAscii(*mode);
    if (upper == "IDLETIME") {
      c_.btnIdle.SetDown(true);
    } else if (upper == "SCHEDULED") {
      c_.btnSched.SetDown(true);
    } else if (upper == "COUNTDOWN") {
      c_.btnCntDn.SetDown(true);
    } else {
      notifier_.ShowMessage(InvalidModeMessage(upper));
    }
  }

  // The first pressed button is clicked as the user would, which releases
  // the others; its parameters may press btnIdle again beside it.
  if (c_.btnSched.Down()) {
    c_.btnSched.Click();
    ApplyScheduledParams();
  } else if (c_.btnCntDn.Down()) {
    c_.btnCntDn.Click();
    ApplyCountDownParams();
  } else if (c_.btnIdle.Down()) {
    c_.btnIdle.Click();
    ApplyIdleParams();
  }
  if (!c_.btnIdle.Down() && Param(kParamInput)) notifier_.ShowMessage(kInputNeedsIdleTime);
}

void CommandLinePresets::ApplyAction() {
  const auto action = Param(kParamAction);
  if (!action) return;
  const std::string upper = UpperCaseAscii(*action);
  const std::pair<Button*, const char*> keywords[] = {{&c_.chkLogOff, "LOGOFF"},
                                                      {&c_.chkReboot, "REBOOT"},
                                                      {&c_.chkShutdown, "SHUTDOWN"},
                                                      {&c_.chkSuspend, "SUSPEND"},
                                                      {&c_.chkHibernate, "HIBERNATE"}};
  bool anyPressed = false;
  for (const auto& [toggle, keyword] : keywords) {
    toggle->SetDown(upper == keyword);
    anyPressed = anyPressed || toggle->Down();
  }
  if (!anyPressed) notifier_.ShowMessage(InvalidActionMessage(upper));
}

// The warnings before a time watch acts, and the length of "Snooze".
void CommandLinePresets::ApplyReminders(PresetOptions& options) {
  if (const auto warn = Param(kParamWarn)) {
    if (const auto yes = ParseYesNo(*warn)) {
      options.warnAhead = *yes;
    } else {
      notifier_.ShowMessage(InvalidWarnMessage(UpperCaseAscii(*warn)));
    }
  }
  if (const auto snooze = Param(kParamSnooze)) {
    options.snoozeMinutes = ParseSnoozeMinutes(*snooze);
    if (!options.snoozeMinutes) notifier_.ShowMessage(InvalidSnoozeMessage(*snooze));
  }
}

// A wrong value keeps the machine awake: the safe side for a watch left alone.
void CommandLinePresets::ApplyKeepAwake(PresetOptions& options) {
  const auto keepAwake = Param(kParamKeepAwake);
  if (!keepAwake) return;
  if (const auto yes = ParseYesNo(*keepAwake)) {
    options.keepAwake = *yes;
  } else {
    notifier_.ShowMessage(InvalidKeepAwakeMessage(UpperCaseAscii(*keepAwake)));
  }
}

PresetOptions CommandLinePresets::Apply() {
  PresetOptions options;
  ApplyMode();
  const auto confirmation = Param(kParamConfirmation);
  options.askConfirmation = !(confirmation && UpperCaseAscii(*confirmation) == "NO");
  const auto force = Param(kParamForce);
  c_.chkForce.SetDown(force && UpperCaseAscii(*force) == "YES");
  ApplyAction();
  ApplyReminders(options);
  ApplyKeepAwake(options);
  return options;
}

}  // namespace haltwise
