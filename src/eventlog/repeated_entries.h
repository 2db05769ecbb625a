#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <tuple>

#include "eventlog/event_log.h"
#include "platform/clock.h"

namespace haltwise {

// Writes through an event log, but an entry that repeats identically (a
// fault met once a second) is written once, then at most once an hour,
// saying how often it came in between. A write that fails counts as not
// written, so the entry is tried again the next time it comes.
class RepeatedEntries {
 public:
  static constexpr std::uint32_t kIntervalMs = 3600000;

  RepeatedEntries(TEventLog& log, const Clock& clock) : log_(log), clock_(clock) {}

  // As TEventLog::LogEvent; raises its errors.
  void LogEvent(std::uint32_t eventId, EventLogType type, std::uint16_t category,
                const std::string& text);

 private:
  using Key = std::tuple<std::uint32_t, EventLogType, std::uint16_t, std::string>;
  struct Written {
    std::uint32_t tick = 0;
    std::uint32_t repeats = 0;  // since that write
  };
  void ForgetQuietEntries(std::uint32_t tick);

  TEventLog& log_;
  const Clock& clock_;
  std::map<Key, Written> written_;
};

}  // namespace haltwise
