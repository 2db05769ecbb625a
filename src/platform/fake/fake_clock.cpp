#include "platform/fake/fake_clock.h"

namespace haltwise::fake {

FakeClock::FakeClock() : tick_(1000000), now_(EncodeDate(2026, 6, 1) + EncodeTime(12, 0, 0, 0)) {
  SystemTimeToFileTime(DateTimeToSystemTime(now_), &utc_);
}

void FakeClock::Advance(std::uint32_t milliseconds) {
  tick_ += milliseconds;  // wraps modulo 2^32 like GetTickCount
  now_ += milliseconds / kMsPerDay;
  utc_ += static_cast<std::int64_t>(milliseconds) * 10000;
}

}  // namespace haltwise::fake
