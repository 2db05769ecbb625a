#pragma once
#include "platform/clock.h"

namespace haltwise {

// GetTickCount, GetLocalTime and GetSystemTimeAsFileTime.
class Win32Clock : public Clock {
 public:
  std::uint32_t TickCount() const override;
  DateTime Now() const override;
  std::int64_t UtcFileTime() const override;
};

}  // namespace haltwise
