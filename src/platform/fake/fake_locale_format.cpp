#include "platform/fake/fake_locale_format.h"

#include <cstdio>

namespace haltwise::fake {

std::string FakeLocaleFormat::ShortDate(DateTime value) const {
  const CalendarDate d = DecodeDate(value);
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", d.day, d.month, d.year);
  return text;
}

std::string FakeLocaleFormat::LongDate(DateTime value) const {
  static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December"};
  const CalendarDate d = DecodeDate(value);
  return std::to_string(d.day) + " " + kMonths[d.month - 1] + " " + std::to_string(d.year);
}

std::string FakeLocaleFormat::LongTime(DateTime value) const {
  const TimeOfDay t = DecodeTime(value);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return text;
}

}  // namespace haltwise::fake
