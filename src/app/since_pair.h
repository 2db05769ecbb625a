#pragma once
#include <cstdint>

#include "platform/datetime.h"

namespace haltwise {

// One moment recorded twice: the tick count drives the triggers and the
// duration in the status line, the date-time the remaining time on the LCD.
// Both members are always set together.
struct SincePair {
  std::uint32_t tick = 0;
  DateTime time = 0;

  void Restart(std::uint32_t nowTick, DateTime now) {
    tick = nowTick;
    time = now;
  }
  // Milliseconds since the tick, modulo 2^32, so a counter wrap is harmless.
  std::uint32_t ElapsedMs(std::uint32_t nowTick) const { return nowTick - tick; }
};

}  // namespace haltwise
