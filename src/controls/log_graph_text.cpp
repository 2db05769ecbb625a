#include "controls/log_graph_text.h"

#include <cmath>
#include <cstdio>

namespace haltwise {

double RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction > 0.5) return floor + 1;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::string OneDecimalText(std::int64_t value, std::int32_t divisor) {
  // "+ 0.0" turns a negative zero into 0, which has no sign.
  const double tenths =
      RoundHalfEven(static_cast<double>(value) / static_cast<double>(divisor) * 10) + 0.0;
  char digits[400];
  std::snprintf(digits, sizeof digits, "%.0f", tenths);
  // A "." before the last digit, and a "0" before a "." that would lead.
  const std::string text = digits;
  const std::string whole = text.substr(0, text.size() - 1);
  return (whole.empty() || whole == "-" ? whole + "0" : whole) + "." + text.back();
}

std::string FitCaption(const std::string& caption, int maxWidth,
                       const std::function<int(const std::string&)>& textWidth) {
  if (textWidth(caption) <= maxWidth) return caption;
  std::string text = caption + ".";
  do {
    text.erase(text.size() >= 2 ? text.size() - 2 : 0);
    text += ".";
  } while (text != "." && textWidth(text) > maxWidth);
  while (text.size() >= 2 && text[text.size() - 2] == ' ') text.erase(text.size() - 2, 1);
  return text;
}

}  // namespace haltwise
