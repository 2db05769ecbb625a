#pragma once
#include <string>

namespace haltwise {

// The parameter and switch names of the command line.
inline constexpr char kParamMode[] = "MODE";
inline constexpr char kParamDate[] = "DATE";
inline constexpr char kParamTime[] = "TIME";
inline constexpr char kParamMinutes[] = "MINUTES";
inline constexpr char kParamHours[] = "HOURS";
inline constexpr char kParamCpu[] = "CPU";
inline constexpr char kParamConfirmation[] = "CONFIRMATION";
inline constexpr char kParamForce[] = "FORCE";
inline constexpr char kParamAction[] = "ACTION";
inline constexpr char kParamWarn[] = "WARN";
inline constexpr char kParamSnooze[] = "SNOOZE";
inline constexpr char kParamInput[] = "INPUT";
inline constexpr char kParamKeepAwake[] = "KEEPAWAKE";
inline constexpr char kSwitchHelp[] = "?";
inline constexpr char kSwitchTestOnly[] = "testonly";

// The help page the "?" switch opens, relative to the current directory.
inline constexpr char kCommandLineHelpPage[] = "Help\\CmdLine.html";

// What the user is told about a command line that cannot be applied. The
// texts are shown exactly as written here. `value` is the parameter's value
// as typed; `upperValue` the upper-cased value.
inline constexpr char kMissingDate[] = "Missing DATE parameter for mode=Scheduled";
inline constexpr char kMissingTime[] = "Missing TIME parameter for mode=Scheduled";
inline constexpr char kMissingCountDownLength[] =
    "Must specify MINUTES or HOURS parameter with mode=CountDown";
inline constexpr char kInputNeedsIdleTime[] = "INPUT parameter only applies with mode=IdleTime";

std::string InvalidModeMessage(const std::string& upperValue);
std::string InvalidDateMessage(const std::string& value);
std::string InvalidTimeMessage(const std::string& value);
// "CPU" given with the Scheduled or the Count Down mode.
std::string InvalidTimedCpuMessage(const std::string& value);
std::string InvalidCountDownMinutesMessage(const std::string& value);
std::string InvalidCountDownHoursMessage(const std::string& value);
std::string InvalidIdleMinutesMessage(const std::string& value);
std::string InvalidIdleCpuMessage(const std::string& value);
std::string InvalidActionMessage(const std::string& upperValue);
std::string InvalidWarnMessage(const std::string& upperValue);
std::string InvalidSnoozeMessage(const std::string& value);
std::string InvalidInputMessage(const std::string& upperValue);
std::string InvalidKeepAwakeMessage(const std::string& upperValue);

}  // namespace haltwise
