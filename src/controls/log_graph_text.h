#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace haltwise {

// Rounds to the nearest integer, ties to even.
double RoundHalfEven(double value);

// value / divisor with one decimal: round(value / divisor * 10) with a "."
// before its last digit and a "0" before a lone "." (1234 / 1000 is "1.2",
// 5 / 10 is "0.5", -5 / 10 is "-0.5"). The divisor is not 0.
std::string OneDecimalText(std::int64_t value, std::int32_t divisor);

// The caption if it fits `maxWidth`; otherwise cut character by character
// with a "." at the end until it fits or only "." is left, without blanks
// before that ".".
std::string FitCaption(const std::string& caption, int maxWidth,
                       const std::function<int(const std::string&)>& textWidth);

}  // namespace haltwise
