#include "app/status_texts.h"

#include <cstdio>

#include "platform/text.h"

namespace haltwise {

std::string PadLeft(const std::string& text, std::size_t width, char fill) {
  std::string trimmed = Trim(text);
  if (trimmed.size() >= width) return trimmed;
  return std::string(width - trimmed.size(), fill) + trimmed;
}

std::string FormatDuration(std::uint32_t seconds) {
  const std::uint32_t hours = seconds / 3600;
  const std::uint32_t minutes = seconds % 3600 / 60;
  std::string text = PadLeft(std::to_string(seconds % 60), 2, '0') + " seconds";
  if (minutes > 0) text = PadLeft(std::to_string(minutes), 2, '0') + " minutes " + text;
  if (hours > 0) text = PadLeft(std::to_string(hours), 2, '0') + " hours " + text;
  return text;
}

std::string FormatLcdTime(int days, DateTime timeOfDay) {
  const TimeOfDay t = DecodeTime(timeOfDay);
  char text[48];
  std::snprintf(text, sizeof text, "%2.2d:%2.2d:%2.2d:%2.2d", days, t.hour, t.minute, t.second);
  return text;
}

std::string DateTimeText(const LocaleFormat& locale, DateTime value) {
  const TimeOfDay t = DecodeTime(value);
  const bool midnight = t.hour == 0 && t.minute == 0 && t.second == 0 && t.millisecond == 0;
  return midnight ? locale.ShortDate(value)
                  : locale.ShortDate(value) + " " + locale.LongTime(value);
}

std::string CompactDate(DateTime value) {
  const CalendarDate d = DecodeDate(value);
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", d.year, d.month, d.day);
  return text;
}

std::string CompactTime(DateTime value) {
  const TimeOfDay t = DecodeTime(value);
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02d%02d", t.hour, t.minute, t.second);
  return text;
}

}  // namespace haltwise
