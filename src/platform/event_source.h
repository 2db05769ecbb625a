#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace haltwise {

using EventSourceHandle = std::uintptr_t;

// RegisterEventSource / ReportEvent / DeregisterEventSource, texts in UTF-8.
class EventSource {
 public:
  virtual ~EventSource() = default;

  // Local computer; returns 0 on failure.
  virtual EventSourceHandle RegisterEventSource(const std::string& sourceName) = 0;
  // `sid` empty means no user; no raw data is ever attached.
  virtual bool ReportEvent(EventSourceHandle source, std::uint16_t type, std::uint16_t category,
                           std::uint32_t eventId, const std::vector<std::uint8_t>& sid,
                           const std::vector<std::string>& strings) = 0;
  virtual bool DeregisterEventSource(EventSourceHandle source) = 0;
  virtual long LastError() const = 0;
};

}  // namespace haltwise
