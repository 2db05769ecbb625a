#pragma once
#include <cstdint>

namespace haltwise {

// The type of an event log entry, in the order the program's callers know.
enum class EventLogType { Error, Warning, Information, AuditSuccess, AuditFailure };

// The Windows event type an entry of this type is reported as.
std::uint16_t WindowsEventType(EventLogType type);

}  // namespace haltwise
