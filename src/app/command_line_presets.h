#pragma once
#include <optional>
#include <string>

#include "config/command_line.h"
#include "platform/user_notifier.h"
#include "widgets/button.h"
#include "widgets/check_box.h"
#include "widgets/date_time_picker.h"
#include "widgets/radio_button.h"
#include "widgets/spin_edit.h"

namespace haltwise {

// The controls the command line can preset.
struct PresetControls {
  Button& btnIdle;
  Button& btnSched;
  Button& btnCntDn;
  SpinEdit& edtCPUUsage;
  SpinEdit& edtCPUMin;
  CheckBox& chkNoInput;
  DateTimePicker& DateSched;
  DateTimePicker& TimeSched;
  SpinEdit& edtCntDn;
  RadioButton& chkHours;
  RadioButton& chkMins;
  Button& chkLogOff;
  Button& chkReboot;
  Button& chkShutdown;
  Button& chkSuspend;
  Button& chkHibernate;
  Button& chkForce;
};

// What the command line sets apart from the controls.
struct PresetOptions {
  bool askConfirmation = true;
  bool warnAhead = true;
  std::optional<int> snoozeMinutes;  // none: the default length
  bool keepAwake = true;
};

// Presets the window from the command line: the mode and its values, the
// action, the force option and the confirmation. It never arms a watch; each
// fault is shown in its own message box and the rest still applies.
class CommandLinePresets {
 public:
  CommandLinePresets(const CommandLine& commandLine, UserNotifier& notifier,
                     PresetControls controls)
      : commandLine_(commandLine), notifier_(notifier), c_(controls) {}

  PresetOptions Apply();

 private:
  std::optional<std::string> Param(const char* name) const;
  void ApplyMode();
  void ApplyTimedCpuParam();
  void ApplyScheduledParams();
  void ApplyCountDownParams();
  void ApplyIdleParams();
  void ApplyAction();
  void ApplyReminders(PresetOptions& options);
  void ApplyKeepAwake(PresetOptions& options);

  const CommandLine& commandLine_;
  UserNotifier& notifier_;
  PresetControls c_;
};

}  // namespace haltwise
