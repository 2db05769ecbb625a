#pragma once
#include <functional>
#include <string>
#include <vector>

#include "perf/perf_block.h"
#include "perf/perf_collection.h"
#include "perf/perf_context.h"
#include "perf/perf_counter_item.h"
#include "perf/perf_titles.h"

namespace haltwise {

using TPerfCounterItems = TOwnedCollection<TPerfCounterItem, TPerfFilter>;

// Keeps named counters located in the shared snapshot of its context, and
// has their objects asked for at every read.
class TPerfFilter : public PerfObjectReader {
 public:
  using ItemNotifyEvent = std::function<void(TPerfFilter& sender, TPerfCounterItem& item)>;

  explicit TPerfFilter(PerfContext& context);
  TPerfFilter(const TPerfFilter&) = delete;
  TPerfFilter& operator=(const TPerfFilter&) = delete;
  ~TPerfFilter();

  // The objects of the items whose object is known.
  void AddWatchedObjects(std::vector<std::uint32_t>& objectIndexes) const override;

  PerfContext& Context() const { return context_; }

  // Called by a counter item while it is being destroyed.
  ItemNotifyEvent OnItemDestroy;

  const std::string& LocaleID() const { return localeId_; }
  // Renames every item into the new language, keeping its title indexes.
  void SetLocaleID(const std::string& value);
  TPerfCounterItems& Items() { return items_; }
  void SetItems(const TPerfCounterItems& items) { items_.Assign(items); }
  TPerfHelps* Helps() const { return helps_; }
  // Only follows language changes; must outlive the filter or be unlinked.
  void SetHelps(TPerfHelps* helps) { helps_ = helps; }
  TPerfTitles& Titles() { return titles_; }

  // While loading, name setters only store their value.
  bool Loading() const { return loading_; }
  void SetLoading(bool loading) { loading_ = loading; }

  // Takes a new snapshot (if a second has passed) and relocates every item.
  void Refresh();
  // The shared snapshot, acquired on first need.
  TPerfData& PerfData() { return perfData_.Get(); }
  PerfBlock DataBlockStart() { return PerfData().Block(); }

 private:
  PerfContext& context_;
  bool loading_ = false;
  std::string localeId_;
  TPerfTitles titles_;
  TPerfHelps* helps_ = nullptr;
  PerfDataHold perfData_;
  TPerfCounterItems items_;  // declared last: items go first
};

}  // namespace haltwise
