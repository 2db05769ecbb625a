#pragma once
#include <cstdint>
#include <exception>

#include "eventlog/event_log.h"
#include "platform/clock.h"
#include "platform/power.h"
#include "platform/security.h"
#include "platform/system_info.h"
#include "platform/user_notifier.h"

namespace haltwise {

// Which action toggles are pressed when a watch falls due.
struct ActionToggles {
  bool logOff = false;
  bool reboot = false;
  bool shutdown = false;
  bool suspend = false;
  bool hibernate = false;
  bool force = false;

  bool AnyAction() const { return logOff || reboot || shutdown || suspend || hibernate; }
};

// The action code: ExitWindowsEx flags (0, 2, 9; plus 4 with force) or -1
// for suspend and hibernate. No toggle at all gives 0.
std::int32_t ActionCode(const ActionToggles& toggles);

// What a power call came to. An event-log entry that cannot be written
// never keeps the machine on: the call is made all the same, and the
// entry's error is handed back here for the caller to raise once it has
// shown what the call did.
struct [[nodiscard]] PowerCallResult {
  bool succeeded = false;
  std::exception_ptr logFailure;

  void RaiseLogFailure() const {
    if (logFailure) std::rethrow_exception(logFailure);
  }
};

// What `powercfg /requests` shows while a watch with these toggles waits.
std::string WaitingReason(const ActionToggles& toggles);

// Asks Windows to end the session or power down, enabling the shutdown
// privilege first on the NT family, and writes each attempt and each failure
// to the event log. Failures of the calls are shown in error boxes.
class PowerActions {
 public:
  PowerActions(Power& power, Security& security, SystemInfo& systemInfo, Clock& clock,
               UserNotifier& notifier, TEventLog& eventLog);

  PowerCallResult ExitWindowsWithPrivilege(std::int32_t flags);
  PowerCallResult SuspendWithPrivilege(bool suspend, bool force);

 private:
  struct Texts;
  // The shared sequence of both actions; `call` makes the system call.
  template <typename Call>
  PowerCallResult RunWithPrivilege(const Texts& texts, Call call);
  bool IsWindows9x();
  bool SleepsByModernStandby();
  // Writes the entry; keeps the first failure in `result`.
  void Log(EventLogType type, const std::string& text, PowerCallResult& result);

  Power& power_;
  Security& security_;
  SystemInfo& systemInfo_;
  Clock& clock_;
  UserNotifier& notifier_;
  TEventLog& eventLog_;
};

}  // namespace haltwise
