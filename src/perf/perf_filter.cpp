#include "perf/perf_filter.h"

namespace haltwise {

TPerfFilter::TPerfFilter(PerfContext& context)
    : context_(context), titles_(context), perfData_(context), items_(*this) {
  context_.AddReader(*this);
}

// The items go first, while the filter they notify is still whole.
TPerfFilter::~TPerfFilter() {
  items_.Clear();
  context_.RemoveReader(*this);
}

void TPerfFilter::AddWatchedObjects(std::vector<std::uint32_t>& objectIndexes) const {
  for (const auto& item : items_) {
    const std::int32_t index = item->KnownObjectIndex();
    if (index >= 0) objectIndexes.push_back(static_cast<std::uint32_t>(index));
  }
}

void TPerfFilter::SetLocaleID(const std::string& value) {
  if (!loading_) {
    for (int i = 0; i < items_.Count(); ++i) items_[i].NamesToIndexes();
  }
  titles_.SetLocaleID(value);
  if (helps_ != nullptr) helps_->SetLocaleID(value);
  localeId_ = value;
  if (!loading_) {
    for (int i = 0; i < items_.Count(); ++i) items_[i].IndexesToNames();
  }
}

void TPerfFilter::Refresh() {
  TPerfData& data = PerfData();
  data.Refresh();
  for (int i = 0; i < items_.Count(); ++i) {
    TPerfCounterItem& item = items_[i];
    item.ClearLocation();
    if (!item.Locate()) item.ClearLocation();
  }
}

}  // namespace haltwise
