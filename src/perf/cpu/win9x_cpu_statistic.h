#pragma once
#include <cstdint>

#include "platform/registry.h"

namespace haltwise {

// Processor usage on the 9x family: the kernel's own statistic under
// HKEY_DYN_DATA. Reading the value under "PerfStats\StartStat" starts it,
// "PerfStats\StatData" then gives the current percentage, and reading it
// under "PerfStats\StopStat" stops it again.
class Win9xCpuStatistic {
 public:
  explicit Win9xCpuStatistic(Registry& registry) : registry_(registry), dataKey_(registry) {}

  void Refresh();
  // Takes a first sample when the statistic is not started yet.
  double Usage(int index);
  void Stop();

 private:
  void ReadUsage(win::RegKey key);

  Registry& registry_;
  ScopedRegKey dataKey_;
  bool started_ = false;
  std::uint32_t usage_ = 0;
};

}  // namespace haltwise
