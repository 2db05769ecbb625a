#pragma once
#include "platform/locale_format.h"

namespace haltwise::fake {

// Fixed formats: short date "dd/mm/yyyy", long date "d mmmm yyyy", long
// time "hh:nn:ss" (24-hour).
class FakeLocaleFormat : public LocaleFormat {
 public:
  std::string ShortDate(DateTime value) const override;
  std::string LongDate(DateTime value) const override;
  std::string LongTime(DateTime value) const override;
};

}  // namespace haltwise::fake
