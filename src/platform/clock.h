#pragma once
#include <cstdint>

#include "platform/datetime.h"

namespace haltwise {

// Time is injected: the tick counter, the local wall clock and the UTC clock.
class Clock {
 public:
  virtual ~Clock() = default;

  // GetTickCount: milliseconds, wraps at 2^32.
  virtual std::uint32_t TickCount() const = 0;
  // The local date and time.
  virtual DateTime Now() const = 0;
  // GetSystemTimeAsFileTime: UTC in 100-ns units since 1 January 1601.
  virtual std::int64_t UtcFileTime() const = 0;
};

}  // namespace haltwise
