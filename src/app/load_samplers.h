#pragma once
#include <cstdint>
#include <exception>
#include <optional>
#include <string>

#include "app/performance_components.h"
#include "app/watch.h"
#include "controls/log_graph.h"
#include "eventlog/repeated_entries.h"
#include "perf/cpu/cpu_meter.h"
#include "platform/input_activity.h"

namespace haltwise {

// What the samplers compare with, read afresh from the window at every
// sample, so that a change takes effect at the next one.
struct LoadLimits {
  double cpuUsage = 0, cpuMinutes = 0;
  // The processor's condition also needs nobody at the keyboard or mouse.
  bool cpuInputClause = false;
  double netUsage = 0, netMinutes = 0;
  double diskUsage = 0, diskMinutes = 0;
  double customLow = 0, customHigh = 0, customMinutes = 0;
  // Internal monitor item of the network rate: 1 total, 2 received, 3 sent.
  int netItem = -1;
  // The chosen adapter, followed by name wherever the data lists it; empty
  // for none.
  std::string netInterface;
  // The chosen instance of the custom counter; none when nothing usable is
  // chosen, which skips the custom sample.
  std::optional<InstanceIdentity> customInstance;
};

// Whether a processor sample keeps the CPU Idle Time condition: under the
// limit. With the keyboard-and-mouse clause a limit of 100 % or more leaves
// the processor out, so the mode waits for nobody being there alone.
bool CpuConditionHolds(int usage, double limit, bool inputClause);

// The history graphs the samplers feed.
struct LoadGraphs {
  TLogGraph& cpu;
  TLogGraph& net;
  TLogGraph& disk;
  TLogGraph& custom;
};

// The two sampling timers' work: every second, armed or not, each load goes
// into its graph and into the watch, which restarts a condition's count
// when its limit is broken and falls due when the armed one has held long
// enough.
class LoadSamplers {
 public:
  // A sample that fails is logged; a fault that lasts is logged once an hour.
  LoadSamplers(CpuMeter& meter, InputActivity& input, RepeatedEntries& eventLog, Watch& watch,
               LoadGraphs graphs)
      : meter_(meter), input_(input), eventLog_(eventLog), watch_(watch), graphs_(graphs) {}

  // The usage in whole percent, averaged over every processor instance the
  // meter reports. A meter failure raises its error.
  int CpuUsagePercent();

  // The processor sample; a meter failure raises its error.
  void SampleCpu(const LoadLimits& limits, Moment at);
  // The custom counter, the disk and the network, each section logging its
  // own errors.
  void SampleLoads(PerformanceComponents& perf, const LoadLimits& limits, Moment at);

  // The chosen network adapter while the data does not list it.
  const std::optional<std::string>& MissingAdapter() const { return missingAdapter_; }

 private:
  void LogSampleError(const std::exception& error, const char* section);
  bool NobodyThereSince(const SincePair& since, Moment at);
  void SampleCustom(PerformanceComponents& perf, const LoadLimits& limits, Moment at);
  void SampleDisk(PerformanceComponents& perf, const LoadLimits& limits, Moment at);
  void SampleNetwork(PerformanceComponents& perf, const LoadLimits& limits, Moment at);
  void WaitForAdapter(TPerfMonitorItem& item, const LoadLimits& limits, Moment at);

  CpuMeter& meter_;
  InputActivity& input_;
  // Logged once when reading the input starts failing, not every second.
  bool inputUnknown_ = false;
  RepeatedEntries& eventLog_;
  Watch& watch_;
  LoadGraphs graphs_;
  std::optional<std::string> missingAdapter_;
};

}  // namespace haltwise
