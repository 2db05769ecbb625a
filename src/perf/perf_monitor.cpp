#include "perf/perf_monitor.h"

namespace haltwise {
namespace {

// The file time of a snapshot's SystemTime; 0 without a valid one.
std::int64_t SnapshotFileTime(const PerfBlock& block) {
  const auto systemTime = block.BlockSystemTime();
  std::int64_t fileTime = 0;
  if (!systemTime || !SystemTimeToFileTime(*systemTime, &fileTime)) return 0;
  return fileTime;
}

}  // namespace

TPerfMonitor::TPerfMonitor(PerfContext& context) : filter_(context), items_(*this) {}

// The items go first: they remove their counter items from the filter.
TPerfMonitor::~TPerfMonitor() { items_.Clear(); }

void TPerfMonitor::SetLocaleID(const std::string& value) {
  if (!loading_) {
    for (int i = 0; i < items_.Count(); ++i) items_[i].EnsureCounterItem();
  }
  filter_.SetLocaleID(value);
}

void TPerfMonitor::Refresh() {
  filter_.Refresh();
  // Two refreshes within the second of one read find the same snapshot: it
  // holds no new interval, so the records keep the last one rather than
  // measure nothing (a rate of 0 would pass for a quiet network).
  const std::uint64_t generation = filter_.PerfData().Generation();
  if (generation != sampledGeneration_) {
    sampledGeneration_ = generation;
    prevSampleTime_ = times_.SampleTime;
    const PerfBlock block = filter_.DataBlockStart();
    times_.SampleTime = SnapshotFileTime(block);
    times_.Clocks = block.Clocks();
    if (firstRefresh_) {
      firstSampleTime_ = times_.SampleTime;
      firstRefresh_ = false;
    }
    times_.SinceLast = times_.SampleTime - prevSampleTime_;
    times_.SinceFirst = times_.SampleTime - firstSampleTime_;
  }
  for (int i = 0; i < items_.Count(); ++i) {
    if (items_[i].SampledGeneration() != generation) items_[i].Sample();
  }
}

}  // namespace haltwise
