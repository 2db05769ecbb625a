#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "widgets/timer.h"

namespace haltwise {

// Runs Timer models without a window: Advance moves time forward and fires
// each enabled timer whenever its interval has passed since it was enabled
// (or last fired), in order of time and then of registration. Handlers may
// enable or disable timers and may call Advance themselves, as a modal
// dialog's nested message loop does.
class TimerQueue {
 public:
  // Called with each step of time, before the timers due at its end fire.
  explicit TimerQueue(std::function<void(std::uint32_t)> advanceClock)
      : advanceClock_(std::move(advanceClock)) {}
  TimerQueue(const TimerQueue&) = delete;
  TimerQueue& operator=(const TimerQueue&) = delete;

  void Add(Timer& timer);
  void Remove(const Timer& timer);
  void Advance(std::uint64_t milliseconds);

 private:
  struct Entry {
    Timer* timer;
    bool running;
    std::uint32_t interval;
    std::uint64_t dueIn;
  };
  void Sync(Entry& entry);

  std::function<void(std::uint32_t)> advanceClock_;
  std::vector<Entry> entries_;
};

}  // namespace haltwise
