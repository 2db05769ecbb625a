#pragma once
#include <optional>
#include <string_view>

#include "platform/datetime.h"

namespace haltwise {

// Conversions of command-line values. Each piece must be a whole integer
// (an optional sign and digits, see TryStrToIntStrict, which the plain
// integer parameters use directly); none is returned when a piece is not
// one or the result does not exist.

// "YYYYMMDD": characters 1-4 the year, 5-6 the month, 7-8 the day; a piece
// cut short by a shorter text is what is left of it, and characters after
// the eighth are ignored ("2025011" is 1 January 2025).
std::optional<DateTime> ParseCommandLineDate(std::string_view value);

// "HHMMSS": the time of day with zero milliseconds; characters after the
// sixth are ignored ("1200" fails: its seconds are empty).
std::optional<DateTime> ParseCommandLineTime(std::string_view value);

// "YES" or "NO", in any case; none for anything else.
std::optional<bool> ParseYesNo(std::string_view value);

// The snooze length in minutes: 1 to kMaxSnoozeMinutes, or 0 for no snooze
// at all.
inline constexpr int kMaxSnoozeMinutes = 999;
std::optional<int> ParseSnoozeMinutes(std::string_view value);

}  // namespace haltwise
