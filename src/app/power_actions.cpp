#include "app/power_actions.h"

#include "app/status_texts.h"
#include "platform/win_constants.h"

namespace haltwise {
namespace {

// Closes the process token however the privilege sequence ends.
class ScopedToken {
 public:
  explicit ScopedToken(Security& security) : security_(security) {}
  ScopedToken(const ScopedToken&) = delete;
  ScopedToken& operator=(const ScopedToken&) = delete;
  ~ScopedToken() {
    if (handle_ != 0) security_.CloseHandle(handle_);
  }
  TokenHandle* Receive() { return &handle_; }
  TokenHandle Get() const { return handle_; }

 private:
  Security& security_;
  TokenHandle handle_ = 0;
};

}  // namespace

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

PowerActions::PowerActions(Power& power, Security& security, SystemInfo& systemInfo, Clock& clock,
                           UserNotifier& notifier, TEventLog& eventLog)
    : power_(power),
      security_(security),
      systemInfo_(systemInfo),
      clock_(clock),
      notifier_(notifier),
      eventLog_(eventLog) {}

bool PowerActions::IsWindows9x() { return (systemInfo_.GetVersion() & 0x80000000u) != 0; }

void PowerActions::Log(EventLogType type, const std::string& text) {
  const DateTime now = clock_.Now();
  eventLog_.LogEvent(1, type, 0, text + CompactDate(now) + "," + CompactTime(now));
}

template <typename Call>
bool PowerActions::RunWithPrivilege(const Texts& texts, Call call) {
  if (IsWindows9x()) {
    Log(EventLogType::Information, texts.logBefore9x);
    if (call()) return true;
    Log(EventLogType::Error, texts.logFailed9x);
    notifier_.ShowError(texts.callFailedBox);
    return false;
  }

  ScopedToken token(security_);
  if (!security_.OpenProcessToken(win::kTokenAdjustPrivileges | win::kTokenQuery,
                                  token.Receive())) {
    notifier_.ShowError("OpenProcessToken failed.");
    return false;
  }
  Luid shutdownPrivilege;
  if (!security_.LookupPrivilegeValue("SeShutdownPrivilege", &shutdownPrivilege)) {
    notifier_.ShowError("LookupPrivilegeValue failed.");
    return false;
  }
  // Success here does not prove the privilege was granted; the system call
  // that follows fails if it was not.
  if (!security_.AdjustTokenPrivileges(token.Get(), shutdownPrivilege, win::kSePrivilegeEnabled)) {
    notifier_.ShowError(texts.privilegeFailedBox);
    return false;
  }
  Log(EventLogType::Information, texts.logBeforeNt);
  if (call()) return true;
  Log(EventLogType::Error, texts.logFailedNt);
  notifier_.ShowError(texts.callFailedBox);
  return false;
}

bool PowerActions::ExitWindowsWithPrivilege(std::int32_t flags) {
  static constexpr Texts kTexts{"Shutdown at ",    "Could not Shutdown,", "Shutdown,",
                                "Shutdown Error,", "Can't shutdown.",     "Can't get privileges to shutdown."};
  return RunWithPrivilege(kTexts, [&] { return power_.ExitWindowsEx(static_cast<std::uint32_t>(flags), 0); });
}

bool PowerActions::SuspendWithPrivilege(bool suspend, bool force) {
  static constexpr Texts kTexts{"Suspend ",        "Suspend Error,", "Suspend,",
                                "Can not Suspend,", "Can't suspend!.", "Can't get privileges to suspend."};
  return RunWithPrivilege(kTexts, [&] { return power_.SetSystemPowerState(suspend, force); });
}

}  // namespace haltwise
