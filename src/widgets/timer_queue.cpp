#include "widgets/timer_queue.h"

#include <algorithm>
#include <limits>

namespace haltwise {

void TimerQueue::Add(Timer& timer) {
  entries_.push_back({&timer, false, 0, 0});
  Sync(entries_.back());
}

void TimerQueue::Remove(const Timer& timer) {
  std::erase_if(entries_, [&](const Entry& e) { return e.timer == &timer; });
}

// Catches up with the model: enabling or a new interval restarts the count,
// as SetTimer does.
void TimerQueue::Sync(Entry& entry) {
  const bool running = entry.timer->Enabled() && entry.timer->Interval() > 0;
  if (running && (!entry.running || entry.interval != entry.timer->Interval())) {
    entry.dueIn = entry.timer->Interval();
  }
  entry.running = running;
  entry.interval = entry.timer->Interval();
}

void TimerQueue::Advance(std::uint64_t milliseconds) {
  std::uint64_t remaining = milliseconds;
  for (;;) {
    std::uint64_t step = std::numeric_limits<std::uint64_t>::max();
    for (Entry& entry : entries_) {
      Sync(entry);
      if (entry.running) step = std::min(step, entry.dueIn);
    }
    step = std::min(step, remaining);
    for (Entry& entry : entries_) {
      if (entry.running) entry.dueIn -= step;
    }
    for (std::uint64_t left = step; left > 0;) {
      const auto chunk = static_cast<std::uint32_t>(std::min<std::uint64_t>(left, 0x7FFFFFFF));
      advanceClock_(chunk);
      left -= chunk;
    }
    remaining -= step;

    // Fire one due timer at a time: its handler may change the list.
    const auto due = std::find_if(entries_.begin(), entries_.end(),
                                  [](const Entry& e) { return e.running && e.dueIn == 0; });
    if (due != entries_.end()) {
      due->dueIn = due->interval;
      Timer* timer = due->timer;
      timer->Fire();
      continue;
    }
    if (remaining == 0) return;
  }
}

}  // namespace haltwise
