#include "perf/perf_filter.h"

namespace haltwise {

TPerfFilter::TPerfFilter(PerfContext& context)
    : context_(context), titles_(context), perfData_(context), items_(*this) {}

// The items go first, while the filter they notify is still whole.
TPerfFilter::~TPerfFilter() { items_.Clear(); }

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
