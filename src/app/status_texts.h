#pragma once
#include <cstdint>
#include <string>

#include "platform/datetime.h"
#include "platform/locale_format.h"

namespace haltwise {

// Trims blanks at both ends, then pads on the left with `fill` up to `width`.
std::string PadLeft(const std::string& text, std::size_t width, char fill);

// "01 hours 02 minutes 05 seconds"; a zero hours or minutes part is left out.
std::string FormatDuration(std::uint32_t seconds);

// The LCD's "dd:hh:mm:ss" (each at least two digits), from whole days and a
// time of day.
std::string FormatLcdTime(int days, DateTime timeOfDay);

// A date-time as the locale's short date and long time; the time is left
// out when the value is exactly midnight.
std::string DateTimeText(const LocaleFormat& locale, DateTime value);

// "yyyymmdd" and "hhmmss" (24-hour) for event-log texts.
std::string CompactDate(DateTime value);
std::string CompactTime(DateTime value);

}  // namespace haltwise
