#include "eventlog/repeated_entries.h"

namespace haltwise {

void RepeatedEntries::LogEvent(std::uint32_t eventId, EventLogType type, std::uint16_t category,
                               const std::string& text) {
  const std::uint32_t tick = clock_.TickCount();
  Key key{eventId, type, category, text};
  if (const auto found = written_.find(key); found != written_.end()) {
    Written& last = found->second;
    if (tick - last.tick < kIntervalMs) {
      ++last.repeats;
      return;
    }
    const std::string repeated =
        last.repeats == 0
            ? text
            : text + " Repeated " + std::to_string(last.repeats) + " times since the last entry.";
    log_.LogEvent(eventId, type, category, repeated);
    last = {tick, 0};
    return;
  }
  log_.LogEvent(eventId, type, category, text);
  ForgetQuietEntries(tick);
  written_.emplace(std::move(key), Written{tick, 0});
}

// Entries that stopped coming are forgotten after an hour, so that texts
// which change (an instance name, say) do not pile up.
void RepeatedEntries::ForgetQuietEntries(std::uint32_t tick) {
  for (auto it = written_.begin(); it != written_.end();) {
    if (it->second.repeats == 0 && tick - it->second.tick >= kIntervalMs) {
      it = written_.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace haltwise
