#pragma once
#include <cstdint>

namespace haltwise {

// The trigger mode of a watch.
enum class ShutdownMode : std::uint8_t {
  None = 0,
  CpuIdle = 1,
  Scheduled = 2,
  CountDown = 3,
  NetTraffic = 4,
  DiskTraffic = 5,
  Custom = 6,
};

}  // namespace haltwise
