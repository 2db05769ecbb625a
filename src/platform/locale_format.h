#pragma once
#include <string>

#include "platform/datetime.h"

namespace haltwise {

// The user's locale formats for dates and times.
class LocaleFormat {
 public:
  virtual ~LocaleFormat() = default;

  virtual std::string ShortDate(DateTime value) const = 0;
  virtual std::string LongDate(DateTime value) const = 0;
  virtual std::string LongTime(DateTime value) const = 0;
};

}  // namespace haltwise
