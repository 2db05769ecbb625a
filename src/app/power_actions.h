#pragma once
#include <cstdint>

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

// Asks Windows to end the session or power down, enabling the shutdown
// privilege first on the NT family, and writes each attempt and each failure
// to the event log. Failures are shown in error boxes.
class PowerActions {
 public:
  PowerActions(Power& power, Security& security, SystemInfo& systemInfo, Clock& clock,
               UserNotifier& notifier, TEventLog& eventLog);

  bool ExitWindowsWithPrivilege(std::int32_t flags);
  bool SuspendWithPrivilege(bool suspend, bool force);

 private:
  struct Texts;
  // The shared sequence of both actions; `call` makes the system call.
  template <typename Call>
  bool RunWithPrivilege(const Texts& texts, Call call);
  bool IsWindows9x();
  void Log(EventLogType type, const std::string& text);

  Power& power_;
  Security& security_;
  SystemInfo& systemInfo_;
  Clock& clock_;
  UserNotifier& notifier_;
  TEventLog& eventLog_;
};

}  // namespace haltwise
