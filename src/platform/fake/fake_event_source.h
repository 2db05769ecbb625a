#pragma once
#include <string>
#include <vector>

#include "platform/event_source.h"
#include "platform/fake/fake_seam.h"

namespace haltwise::fake {

// One entry as it reached ReportEvent.
struct ReportedEvent {
  std::string source;
  std::uint16_t type = 0;
  std::uint16_t category = 0;
  std::uint32_t eventId = 0;
  std::vector<std::uint8_t> sid;
  std::vector<std::string> strings;
};

// Keeps the reported entries in memory.
class FakeEventSource : public EventSource, public FakeSeam {
 public:
  std::vector<ReportedEvent> events;
  int OpenSourceCount() const { return static_cast<int>(open_.size()); }

  EventSourceHandle RegisterEventSource(const std::string& sourceName) override;
  bool ReportEvent(EventSourceHandle source, std::uint16_t type, std::uint16_t category,
                   std::uint32_t eventId, const std::vector<std::uint8_t>& sid,
                   const std::vector<std::string>& strings) override;
  bool DeregisterEventSource(EventSourceHandle source) override;
  long LastError() const override { return lastError_; }

 private:
  std::vector<std::pair<EventSourceHandle, std::string>> open_;
  EventSourceHandle next_ = 0x5000;
  long lastError_ = 0;
};

}  // namespace haltwise::fake
