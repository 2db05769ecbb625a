#include "perf/perf_titles.h"

#include <algorithm>

#include "perf/perf_context.h"
#include "perf/perf_errors.h"
#include "platform/text.h"

namespace haltwise {

TPerfInfo::TPerfInfo(PerfContext& context)
    : tables_(context.TitleTables()), languages_(tables_.AvailableLanguages()) {
  if (languages_.empty()) throw ListIndexError(0);
  localeId_ = languages_.front();
}

TPerfInfo::~TPerfInfo() { tables_.ReleaseInfoData(infoData_); }

void TPerfInfo::SetLocaleID(const std::string& value) {
  const bool known = std::any_of(languages_.begin(), languages_.end(),
                                 [&](const std::string& l) { return SameTextAscii(l, value); });
  const std::string& chosen = known ? value : languages_.front();
  if (chosen != localeId_) tables_.ReleaseInfoData(infoData_);
  localeId_ = chosen;
}

void TPerfInfo::LoadInfo() {
  if (infoData_ == nullptr) infoData_ = tables_.GetInfoData(localeId_, TableName());
}

std::string TPerfInfo::NameByIndex(const std::string& indexText) {
  LoadInfo();
  return infoData_->NameByIndex(indexText);
}

std::string TPerfInfo::IndexByName(const std::string& title) {
  LoadInfo();
  return infoData_->IndexByName(title);
}

}  // namespace haltwise
