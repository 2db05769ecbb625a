#pragma once
#include "platform/locale_format.h"

namespace haltwise {

// GetDateFormatW / GetTimeFormatW with the user's default locale. A date
// the system cannot format (before 1601) gives an empty text.
class Win32LocaleFormat : public LocaleFormat {
 public:
  std::string ShortDate(DateTime value) const override;
  std::string LongDate(DateTime value) const override;
  std::string LongTime(DateTime value) const override;
};

}  // namespace haltwise
