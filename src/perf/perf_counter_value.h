#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace haltwise {

class TPerfCounterItem;

// The last two raw samples of one instance of a monitored counter, with the
// monitor's times, from which the displayed value is computed.
struct TPerfMonitorCounterValue {
  std::uint32_t CounterType = 0;
  bool HasBase = false;
  bool Seen = false;
  std::string InstanceName;
  std::string Key;
  bool HasPrevious = false;
  std::int32_t SampleCount = 0;
  std::uint64_t FirstValue = 0;
  std::uint64_t FirstBase = 0;
  std::uint64_t PrevValue = 0;
  std::uint64_t PrevBase = 0;
  std::uint64_t CurValue = 0;
  std::uint64_t CurBase = 0;
  std::int64_t SampleTime = 0;  // file time of the latest snapshot
  std::int64_t SinceLast = 0;   // 100-ns units since the monitor's previous snapshot
  std::int64_t SinceFirst = 0;  // 100-ns units since the monitor's first snapshot
};

// The monitor's times of one sampling pass.
struct PerfSampleTimes {
  std::int64_t SampleTime = 0;
  std::int64_t SinceLast = 0;
  std::int64_t SinceFirst = 0;
};

// Records one sample of `counter` (of instance `instance`, or of the whole
// object) into `record`; `first` says whether it is the record's first.
void TakeSample(TPerfMonitorCounterValue& record, TPerfCounterItem& counter,
                const PerfSampleTimes& times, bool first, std::optional<std::int32_t> instance);

// The value shown for `record`, by its counter type. Elapsed-time counters
// are measured against `nowFileTime`, the system time when computing.
double CalcValue(const TPerfMonitorCounterValue& record, std::int64_t nowFileTime);

// "/sec", "%", "secs" or empty, by the display field of a counter type.
std::string CounterUnits(std::uint32_t counterType);

}  // namespace haltwise
