#pragma once
#include <cstdint>
#include <string>

#include "perf/perf_collection.h"
#include "perf/perf_context.h"
#include "perf/perf_filter.h"
#include "perf/perf_monitor_item.h"

namespace haltwise {

using TPerfMonitorItems = TOwnedCollection<TPerfMonitorItem, TPerfMonitor>;

// Watches named counters: each Refresh takes the shared snapshot (if a second
// has passed) and samples every item, so that rates can be computed between
// two refreshes from the snapshots' own times.
class TPerfMonitor {
 public:
  explicit TPerfMonitor(PerfContext& context);
  TPerfMonitor(const TPerfMonitor&) = delete;
  TPerfMonitor& operator=(const TPerfMonitor&) = delete;
  ~TPerfMonitor();

  PerfContext& Context() const { return filter_.Context(); }
  TPerfFilter& Filter() { return filter_; }

  const std::string& LocaleID() const { return filter_.LocaleID(); }
  void SetLocaleID(const std::string& value);
  TPerfHelps* Helps() const { return filter_.Helps(); }
  void SetHelps(TPerfHelps* helps) { filter_.SetHelps(helps); }
  TPerfMonitorItems& Items() { return items_; }
  void SetItems(const TPerfMonitorItems& items) { items_.Assign(items); }

  // While loading, the items' name setters only store their value.
  bool Loading() const { return loading_; }
  void SetLoading(bool loading) { loading_ = loading; }

  // An error in one item ends the refresh there; later items keep their
  // previous samples. A snapshot is sampled once: refreshed again before
  // the next read, only items added since then sample it.
  void Refresh();

  std::int64_t SampleTime() const { return times_.SampleTime; }
  std::int64_t FirstSampleTime() const { return firstSampleTime_; }
  std::int64_t PrevSampleTime() const { return prevSampleTime_; }
  std::int64_t SinceLast() const { return times_.SinceLast; }
  std::int64_t SinceFirst() const { return times_.SinceFirst; }
  const PerfSampleTimes& Times() const { return times_; }

 private:
  bool firstRefresh_ = true;
  std::uint64_t sampledGeneration_ = 0;  // of the snapshot the times are from
  bool loading_ = false;
  TPerfFilter filter_;
  TPerfMonitorItems items_;  // declared after the filter: the items go first
  PerfSampleTimes times_;
  std::int64_t firstSampleTime_ = 0;
  std::int64_t prevSampleTime_ = 0;
};

}  // namespace haltwise
