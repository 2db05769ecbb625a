#pragma once
#include "platform/event_source.h"
#include "platform/win32/last_error.h"

namespace haltwise {

// RegisterEventSourceW, ReportEventW and DeregisterEventSource on the local
// computer. LastError() is GetLastError() captured after a failed call.
class Win32EventSource : public EventSource {
 public:
  EventSourceHandle RegisterEventSource(const std::string& sourceName) override;
  bool ReportEvent(EventSourceHandle source, std::uint16_t type, std::uint16_t category,
                   std::uint32_t eventId, const std::vector<std::uint8_t>& sid,
                   const std::vector<std::string>& strings) override;
  bool DeregisterEventSource(EventSourceHandle source) override;
  long LastError() const override { return lastError_.Get(); }

 private:
  LastErrorKeeper lastError_;
};

}  // namespace haltwise
