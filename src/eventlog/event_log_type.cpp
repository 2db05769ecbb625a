#include "eventlog/event_log_type.h"

#include "platform/win_constants.h"

namespace haltwise {

std::uint16_t WindowsEventType(EventLogType type) {
  switch (type) {
    case EventLogType::Error:
      return win::kEventLogErrorType;
    case EventLogType::Warning:
      return win::kEventLogWarningType;
    case EventLogType::Information:
      return win::kEventLogInformationType;
    case EventLogType::AuditSuccess:
      return win::kEventLogAuditSuccess;
    case EventLogType::AuditFailure:
      return win::kEventLogAuditFailure;
  }
  return win::kEventLogInformationType;
}

}  // namespace haltwise
