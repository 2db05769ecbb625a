#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "perf/cpu/cpu_meter.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system_info.h"

namespace haltwise {
namespace {

TEST(Win32CpuMeter, GivesAUsageBetweenZeroAndOneFromTheSecondSampleOn) {
  Win32Registry registry;
  Win32SystemInfo systemInfo;
  CpuMeter meter(registry, systemInfo);
  ASSERT_TRUE(meter.IsNT());
  meter.RefreshCpuSample();
  const int count = meter.CpuCount();
  ASSERT_GE(count, 1);

  // Keep one processor busy for part of the interval.
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
  volatile unsigned spin = 0;
  while (std::chrono::steady_clock::now() < until) spin = spin + 1;
  std::this_thread::sleep_for(std::chrono::milliseconds(300));

  meter.RefreshCpuSample();
  double total = 0;
  for (int i = 0; i < count; ++i) {
    const double usage = meter.CpuUsage(i);
    EXPECT_GE(usage, 0.0) << i;
    EXPECT_LE(usage, 1.0) << i;
    total += usage;
  }
  RecordProperty("Processors", count);
  RecordProperty("AverageUsagePercent", static_cast<int>(100 * total / count));
}

}  // namespace
}  // namespace haltwise
