#include "config/command_line_messages.h"

namespace haltwise {

std::string InvalidModeMessage(const std::string& upperValue) {
  return "Invalid mode: " + upperValue;
}

std::string InvalidDateMessage(const std::string& value) {
  return value +
         " is not a valid date value for Scheduled DATE. Use YYYYMMDD format (Year, Month, Day)";
}

std::string InvalidTimeMessage(const std::string& value) {
  return value +
         " is not a valid time value for Scheduled TIME. Use HHMMSS format (Hours, "
         "Minutes, Seconds)";
}

std::string InvalidTimedCpuMessage(const std::string& value) {
  return value + " is not a valid value for Scheduled cpu USAGE";
}

std::string InvalidCountDownMinutesMessage(const std::string& value) {
  return value + " is not a valid MINUTES value for Count Down";
}

std::string InvalidCountDownHoursMessage(const std::string& value) {
  return value + " is not a valid HOURS value for Count Down";
}

std::string InvalidIdleMinutesMessage(const std::string& value) {
  return value + " is not a valid value for Idle Time MINUTES";
}

std::string InvalidIdleCpuMessage(const std::string& value) {
  return value + " is not a valid value for Idle Time USAGE";
}

std::string InvalidActionMessage(const std::string& upperValue) {
  return upperValue + " is not a valid action";
}

std::string InvalidWarnMessage(const std::string& upperValue) {
  return upperValue + " is not a valid value for WARN. Use YES or NO";
}

std::string InvalidSnoozeMessage(const std::string& value) {
  return value + " is not a valid SNOOZE value. Use 1 to 999 minutes, or 0 for no Snooze button";
}

std::string InvalidInputMessage(const std::string& upperValue) {
  return upperValue + " is not a valid value for Idle Time INPUT. Use YES or NO";
}

std::string InvalidKeepAwakeMessage(const std::string& upperValue) {
  return upperValue + " is not a valid KEEPAWAKE value. Use YES or NO";
}

}  // namespace haltwise
