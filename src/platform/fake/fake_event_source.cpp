#include "platform/fake/fake_event_source.h"

#include <algorithm>

#include "platform/win_constants.h"

namespace haltwise::fake {

EventSourceHandle FakeEventSource::RegisterEventSource(const std::string& sourceName) {
  if (auto error = Enter("RegisterEventSource", sourceName)) {
    lastError_ = *error;
    return 0;
  }
  next_ += 4;
  open_.emplace_back(next_, sourceName);
  return next_;
}

bool FakeEventSource::ReportEvent(EventSourceHandle source, std::uint16_t type,
                                  std::uint16_t category, std::uint32_t eventId,
                                  const std::vector<std::uint8_t>& sid,
                                  const std::vector<std::string>& strings) {
  const auto it = std::find_if(open_.begin(), open_.end(),
                               [&](const auto& entry) { return entry.first == source; });
  std::string text = strings.empty() ? std::string() : strings.front();
  if (auto error = Enter("ReportEvent", "type=" + std::to_string(type) + " " + text)) {
    lastError_ = *error;
    return false;
  }
  if (it == open_.end()) {
    lastError_ = win::kErrorInvalidHandle;
    return false;
  }
  events.push_back({it->second, type, category, eventId, sid, strings});
  return true;
}

bool FakeEventSource::DeregisterEventSource(EventSourceHandle source) {
  if (auto error = Enter("DeregisterEventSource", std::to_string(source))) {
    lastError_ = *error;
    return false;
  }
  const auto it = std::find_if(open_.begin(), open_.end(),
                               [&](const auto& entry) { return entry.first == source; });
  if (it == open_.end()) return false;
  open_.erase(it);
  return true;
}

}  // namespace haltwise::fake
