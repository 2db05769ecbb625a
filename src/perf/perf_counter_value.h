#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "perf/perf_layout.h"

namespace haltwise {

class TPerfCounterItem;

// The last two raw samples of one instance of a monitored counter, with the
// monitor's times and the readings of the counter's own clock, from which
// the displayed value is computed.
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
  // Bytes of the value and of the base in the counter block (4 or 8): a
  // 4-byte counter wraps at 2^32.
  std::uint32_t CounterSize = 8;
  std::uint32_t BaseSize = 8;
  // The clock the counter type is timed by (the snapshot's PerfTime, its
  // PerfTime100nSec or the object's PerfTime) at the previous and latest
  // sample, and its ticks per second.
  std::int64_t PrevTime = 0;
  std::int64_t CurTime = 0;
  std::int64_t Frequency = 0;
};

// The monitor's times of one sampling pass, and the snapshot's clocks.
struct PerfSampleTimes {
  std::int64_t SampleTime = 0;
  std::int64_t SinceLast = 0;
  std::int64_t SinceFirst = 0;
  perf::PerfBlockClocks Clocks;
};

// Records one sample of `counter` (of instance `instance`, or of the whole
// object) into `record`; `first` says whether it is the record's first.
void TakeSample(TPerfMonitorCounterValue& record, TPerfCounterItem& counter,
                const PerfSampleTimes& times, bool first, std::optional<std::int32_t> instance);

// The value shown for `record`, by its counter type. Elapsed-time counters
// without a clock of their object are measured against `nowFileTime`, the
// system time when computing.
double CalcValue(const TPerfMonitorCounterValue& record, std::int64_t nowFileTime);

// "/sec", "%", "secs" or empty, by the display field of a counter type.
std::string CounterUnits(std::uint32_t counterType);

}  // namespace haltwise
