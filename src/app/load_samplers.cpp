#include "app/load_samplers.h"

#include <algorithm>
#include <cmath>

#include "platform/error.h"

namespace haltwise {

namespace {

// Counters reach 2^63 and beyond; graph values stay inside 64 bits, with
// room for the range's one step past them.
double GraphRange(double value) {
  constexpr double kLimit = 9.0e18;
  return std::isnan(value) ? 0 : std::clamp(value, -kLimit, kLimit);
}

// Graph values are whole numbers, halves going to the even neighbour.
std::int64_t Nearest(double value) {
  return static_cast<std::int64_t>(std::nearbyint(GraphRange(value)));
}

std::string UnitText(const std::string& units) { return units.substr(0, 255); }

// Widens a graph's range to a value that left it.
void WidenRange(TLogGraph& graph, double value) {
  const auto whole = static_cast<std::int64_t>(std::trunc(GraphRange(value)));
  if (value > static_cast<double>(graph.ValueMax())) graph.SetValueMax(whole + 1);
  if (value < static_cast<double>(graph.ValueMin())) graph.SetValueMin(whole - 1);
}

constexpr char kTotalInstance[] = "_Total";

std::uint32_t MinutesMs(double minutes) { return static_cast<std::uint32_t>(minutes) * 60000u; }

}  // namespace

bool CpuConditionHolds(int usage, double limit, bool inputClause) {
  return usage < limit || (inputClause && limit >= 100);
}

int LoadSamplers::CpuUsagePercent() {
  meter_.RefreshCpuSample();
  const int count = meter_.CpuCount();
  if (count <= 0) throw Error("Unable to locate the \"Processor\" performance object");
  double sum = 0;
  for (int i = 0; i < count; ++i) sum += meter_.CpuUsage(i) * 100;
  // Counters that run backwards or a broken statistic give usages outside
  // 0 to 100 %, which would be drawn as such or not fit an int at all.
  return static_cast<int>(std::trunc(std::clamp(sum / count, 0.0, 100.0)));
}

void LoadSamplers::SampleCpu(const LoadLimits& limits, Moment at) {
  const int usage = CpuUsagePercent();
  graphs_.cpu.AddValue(usage);
  bool holds = CpuConditionHolds(usage, limits.cpuUsage, limits.cpuInputClause);
  if (holds && limits.cpuInputClause) holds = NobodyThereSince(watch_.Since(LoadKind::Cpu), at);
  watch_.Sample(LoadKind::Cpu, holds, MinutesMs(limits.cpuMinutes), at);
}

// No keyboard or mouse input since the count began. When Windows cannot
// say, someone may be there: the machine is not switched off under them.
bool LoadSamplers::NobodyThereSince(const SincePair& since, Moment at) {
  const auto idleMs = InputIdleMs(input_, at.tick);
  if (!idleMs) {
    if (!inputUnknown_) {
      eventLog_.LogEvent(1, EventLogType::Error, 0,
                         "Unable to read keyboard and mouse activity, error " +
                             std::to_string(input_.LastError()) + ".");
    }
    inputUnknown_ = true;
    return false;
  }
  inputUnknown_ = false;
  return *idleMs >= since.ElapsedMs(at.tick);
}

void LoadSamplers::LogSampleError(const std::exception& error, const char* section) {
  eventLog_.LogEvent(1, EventLogType::Error, 0, std::string("Exception ") + error.what() + section);
}

void LoadSamplers::SampleLoads(PerformanceComponents& perf, const LoadLimits& limits, Moment at) {
  if (limits.customInstance) {
    try {
      SampleCustom(perf, limits, at);
    } catch (const std::exception& error) {
      LogSampleError(error, " collecting custom usage.");
    }
  }

  try {
    perf.PerfMonitorInternal.Refresh();
    try {
      SampleDisk(perf, limits, at);
    } catch (const std::exception& error) {
      LogSampleError(error, " calculating Disk Usage.");
    }
    try {
      SampleNetwork(perf, limits, at);
    } catch (const std::exception& error) {
      LogSampleError(error, " calculating Network Usage.");
    }
  } catch (const std::exception& error) {
    LogSampleError(error, " collecting Internal Usage.");
  }
}

void LoadSamplers::SampleCustom(PerformanceComponents& perf, const LoadLimits& limits, Moment at) {
  TPerfMonitorItem& item = perf.PerfMonitor1.Items()[0];
  const InstanceIdentity& chosen = *limits.customInstance;
  // Thousands of threads or processes listed, one watched: only it is read.
  item.SampleOnly(chosen.name, chosen.key);
  perf.PerfMonitor1.Refresh();
  const TPerfMonitorCounterValue* found = item.FindRecord(chosen.name, chosen.key);
  if (found == nullptr) throw Error("Instance \"" + chosen.name + "\" is gone");
  const TPerfMonitorCounterValue& record = *found;
  TLogGraph& graph = graphs_.custom;
  graph.SetHint(item.ObjectName() + "/" + record.InstanceName);
  graph.SetAfterString(UnitText(item.CounterUnits()));
  const double value = item.CalcValue(record);
  WidenRange(graph, value);
  graph.AddValue(Nearest(value));
  const bool inRange = value >= limits.customLow && value <= limits.customHigh;
  watch_.Sample(LoadKind::Custom, inRange, MinutesMs(limits.customMinutes), at);
}

void LoadSamplers::SampleDisk(PerformanceComponents& perf, const LoadLimits& limits, Moment at) {
  TPerfMonitorItem& item = perf.PerfMonitorInternal.Items()[0];
  // "_Total" by name: a disk plugged in later is listed after it.
  const TPerfMonitorCounterValue* total = item.FindRecord(kTotalInstance, "");
  const TPerfMonitorCounterValue& record =
      total != nullptr ? *total : item.ValueAt(item.InstanceCount() - 1);
  TLogGraph& graph = graphs_.disk;
  graph.SetHint(item.ObjectName() + "/" + record.InstanceName);
  const double kilobytes = item.CalcValue(record) / 1024;
  graph.AddValue(Nearest(kilobytes));
  graph.SetAfterString(UnitText(item.CounterUnits()));
  WidenRange(graph, kilobytes);
  watch_.Sample(LoadKind::Disk, kilobytes < limits.diskUsage, MinutesMs(limits.diskMinutes), at);
}

void LoadSamplers::SampleNetwork(PerformanceComponents& perf, const LoadLimits& limits, Moment at) {
  TPerfMonitorItem& item = perf.PerfMonitorInternal.Items()[limits.netItem];
  if (limits.netInterface.empty()) return;  // a machine without adapters
  const TPerfMonitorCounterValue* found = item.FindRecord(limits.netInterface, "");
  if (found == nullptr) {
    WaitForAdapter(item, limits, at);
    return;
  }
  missingAdapter_.reset();
  const TPerfMonitorCounterValue& record = *found;
  const double kilobytes = item.CalcValue(record) / 1024;
  TLogGraph& graph = graphs_.net;
  graph.SetHint(item.ObjectName() + "/" + record.InstanceName);
  graph.AddValue(Nearest(kilobytes));
  graph.SetAfterString(UnitText(item.CounterUnits()));
  WidenRange(graph, kilobytes);
  watch_.Sample(LoadKind::Network, kilobytes < limits.netUsage, MinutesMs(limits.netMinutes), at);
}

// A missing adapter is no quiet network: the condition starts over every
// second until the adapter is back, and the graph says why it stands still.
void LoadSamplers::WaitForAdapter(TPerfMonitorItem& item, const LoadLimits& limits, Moment at) {
  TLogGraph& graph = graphs_.net;
  graph.SetHint(item.ObjectName() + "/" + limits.netInterface);
  graph.SetAfterString("missing");
  watch_.Sample(LoadKind::Network, false, MinutesMs(limits.netMinutes), at);
  if (missingAdapter_ == limits.netInterface) return;
  missingAdapter_ = limits.netInterface;
  eventLog_.LogEvent(
      1, EventLogType::Warning, 0,
      "Network interface \"" + limits.netInterface + "\" is missing; Network Usage waits for it.");
}

}  // namespace haltwise
