#include "perf/cpu/win9x_cpu_statistic.h"

#include "platform/error.h"
#include "platform/win_constants.h"

namespace haltwise {
namespace {

constexpr char kStartKey[] = "PerfStats\\StartStat";
constexpr char kDataKey[] = "PerfStats\\StatData";
constexpr char kStopKey[] = "PerfStats\\StopStat";
constexpr char kCpuUsageValue[] = "KERNEL\\CPUUsage";

}  // namespace

void Win9xCpuStatistic::ReadUsage(win::RegKey key) {
  std::uint32_t size = sizeof usage_;
  registry_.QueryValueEx(key, kCpuUsageValue, reinterpret_cast<std::uint8_t*>(&usage_), &size);
}

void Win9xCpuStatistic::Refresh() {
  if (!started_) {
    ScopedRegKey start(registry_);
    if (registry_.OpenKeyEx(win::kHKeyDynData, kStartKey, win::kKeyAllAccess, start.Receive()) !=
        win::kErrorSuccess) {
      throw Error("Unable to start performance monitoring");
    }
    ReadUsage(start.Get());
    start.Close();
    if (registry_.OpenKeyEx(win::kHKeyDynData, kDataKey, win::kKeyRead, dataKey_.Receive()) !=
        win::kErrorSuccess) {
      throw Error("Unable to read performance data");
    }
    started_ = true;
  }
  ReadUsage(dataKey_.Get());
}

double Win9xCpuStatistic::Usage(int index) {
  if (!started_) Refresh();
  if (index != 0) throw Error("CPU index out of bounds");
  return usage_ / 100.0;
}

void Win9xCpuStatistic::Stop() {
  if (!started_) return;
  started_ = false;
  dataKey_.Close();
  ScopedRegKey stop(registry_);
  if (registry_.OpenKeyEx(win::kHKeyDynData, kStopKey, win::kKeyAllAccess, stop.Receive()) ==
      win::kErrorSuccess) {
    ReadUsage(stop.Get());
  }
}

}  // namespace haltwise
