#pragma once
#include <cstdint>

#include "platform/clock.h"
#include "platform/datetime.h"

namespace haltwise::fake {

// A clock the tests move by hand. Advance moves all three clocks together;
// SetLocal moves only the wall clock, as when the user sets the time.
class FakeClock : public Clock {
 public:
  FakeClock();

  std::uint32_t TickCount() const override { return tick_; }
  DateTime Now() const override { return now_; }
  std::int64_t UtcFileTime() const override { return utc_; }

  void Advance(std::uint32_t milliseconds);
  void SetTick(std::uint32_t tick) { tick_ = tick; }
  void SetLocal(DateTime now) { now_ = now; }

 private:
  std::uint32_t tick_;
  DateTime now_;
  std::int64_t utc_;
};

}  // namespace haltwise::fake
