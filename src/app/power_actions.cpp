#include "app/power_actions.h"

#include "app/status_texts.h"
#include "platform/win_constants.h"

namespace haltwise {

// The texts that tell the two actions apart; each log text is followed by
// the date and time.
struct PowerActions::Texts {
  const char* logBefore9x;
  const char* logFailed9x;
  const char* logBeforeNt;
  const char* logFailedNt;
  const char* callFailedBox;
  const char* privilegeFailedBox;
};

std::int32_t ActionCode(const ActionToggles& toggles) {
  std::int32_t code = 0;
  if (toggles.logOff) {
    code = static_cast<std::int32_t>(win::kEwxLogoff);
  } else if (toggles.reboot) {
    code = static_cast<std::int32_t>(win::kEwxReboot);
  } else if (toggles.shutdown) {
    code = static_cast<std::int32_t>(win::kEwxShutdown | win::kEwxPowerOff);
  } else {
    return toggles.suspend || toggles.hibernate ? -1 : 0;
  }
  return toggles.force ? code + static_cast<std::int32_t>(win::kEwxForce) : code;
}

std::string WaitingReason(const ActionToggles& toggles) {
  if (toggles.logOff) return "Haltwise is waiting to log off";
  if (toggles.reboot) return "Haltwise is waiting to restart the computer";
  if (toggles.suspend && !toggles.shutdown)
    return "Haltwise is waiting to put the computer to sleep";
  if (toggles.hibernate && !toggles.shutdown)
    return "Haltwise is waiting to hibernate the computer";
  return "Haltwise is waiting to shut down the computer";
}

PowerActions::PowerActions(Power& power, Security& security, SystemInfo& systemInfo, Clock& clock,
                           UserNotifier& notifier, TEventLog& eventLog)
    : power_(power),
      security_(security),
      systemInfo_(systemInfo),
      clock_(clock),
      notifier_(notifier),
      eventLog_(eventLog) {}

bool PowerActions::IsWindows9x() { return (systemInfo_.GetVersion() & 0x80000000u) != 0; }

void PowerActions::Log(EventLogType type, const std::string& text, PowerCallResult& result) {
  const DateTime now = clock_.Now();
  try {
    eventLog_.LogEvent(1, type, 0, text + CompactDate(now) + "," + CompactTime(now));
  } catch (const EEventType&) {
    if (!result.logFailure) result.logFailure = std::current_exception();
  }
}

template <typename Call>
PowerCallResult PowerActions::RunWithPrivilege(const Texts& texts, Call call) {
  PowerCallResult result;
  const bool nt = !IsWindows9x();
  ScopedToken token(security_);
  if (nt) {
    if (!security_.OpenProcessToken(win::kTokenAdjustPrivileges | win::kTokenQuery,
                                    token.Receive())) {
      notifier_.ShowError("OpenProcessToken failed.");
      return result;
    }
    Luid shutdownPrivilege;
    if (!security_.LookupPrivilegeValue("SeShutdownPrivilege", &shutdownPrivilege)) {
      notifier_.ShowError("LookupPrivilegeValue failed.");
      return result;
    }
    // Success here does not prove the privilege was granted; the system
    // call that follows fails if it was not.
    if (!security_.AdjustTokenPrivileges(token.Get(), shutdownPrivilege,
                                         win::kSePrivilegeEnabled)) {
      notifier_.ShowError(texts.privilegeFailedBox);
      return result;
    }
  }
  Log(EventLogType::Information, nt ? texts.logBeforeNt : texts.logBefore9x, result);
  result.succeeded = call();
  if (!result.succeeded) {
    Log(EventLogType::Error, nt ? texts.logFailedNt : texts.logFailed9x, result);
    notifier_.ShowError(texts.callFailedBox);
  }
  return result;
}

PowerCallResult PowerActions::ExitWindowsWithPrivilege(std::int32_t flags) {
  static constexpr Texts kTexts{"Shutdown at ",    "Could not Shutdown,",
                                "Shutdown,",       "Shutdown Error,",
                                "Can't shutdown.", "Can't get privileges to shutdown."};
  // A planned reason, so that the System log does not record an unexpected
  // shutdown.
  return RunWithPrivilege(kTexts, [&] {
    return power_.ExitWindowsEx(static_cast<std::uint32_t>(flags), win::kShtdnReasonFlagPlanned);
  });
}

// Machines with Modern Standby have no S3 sleep; there the classic call
// hibernates or does nothing. Windows' own Sleep turns the displays off
// instead, and the machine goes to its low-power idle from there.
bool PowerActions::SleepsByModernStandby() {
  PowerCapabilities capabilities;
  return power_.GetPwrCapabilities(&capabilities) && capabilities.aoAc && !capabilities.systemS3;
}

PowerCallResult PowerActions::SuspendWithPrivilege(bool suspend, bool force) {
  static constexpr Texts kTexts{"Suspend ",        "Suspend Error,",
                                "Suspend,",        "Can not Suspend,",
                                "Can't suspend!.", "Can't get privileges to suspend."};
  const bool modernStandby = suspend && SleepsByModernStandby();
  return RunWithPrivilege(kTexts, [&] {
    if (modernStandby)
      return power_.BroadcastSystemCommand(win::kScMonitorPower, win::kMonitorPowerOff);
    return power_.SetSystemPowerState(suspend, force);
  });
}

}  // namespace haltwise
