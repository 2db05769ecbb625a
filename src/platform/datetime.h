#pragma once
#include <cstdint>

namespace haltwise {

// A local wall-clock value: whole days since 30 December 1899, the fraction
// being the time of day. Spans are differences of such values, in days.
using DateTime = double;

inline constexpr double kMsPerDay = 86400000.0;
inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr DateTime kOneSecond = 1.0 / kSecondsPerDay;
inline constexpr DateTime kOneMinute = 60.0 / kSecondsPerDay;

struct CalendarDate {
  int year = 0, month = 0, day = 0;
};
struct TimeOfDay {
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// SYSTEMTIME as stored in a performance data block.
struct SystemTime {
  std::uint16_t year = 0, month = 0, dayOfWeek = 0, day = 0;
  std::uint16_t hour = 0, minute = 0, second = 0, milliseconds = 0;
};

bool IsValidDate(int year, int month, int day);
bool IsValidTime(int hour, int minute, int second, int millisecond);
// Callers check validity first; invalid input gives 0.
DateTime EncodeDate(int year, int month, int day);
DateTime EncodeTime(int hour, int minute, int second, int millisecond);

// The day part and the time-of-day part.
DateTime DateOf(DateTime value);
DateTime TimeOf(DateTime value);

CalendarDate DecodeDate(DateTime value);
// The time of day, taken to the nearest whole millisecond.
TimeOfDay DecodeTime(DateTime value);

// UTC file time (100-ns units since 1601) of a calendar instant; the
// conversion SystemTimeToFileTime makes. Returns false for invalid fields.
bool SystemTimeToFileTime(const SystemTime& time, std::int64_t* fileTime);
SystemTime DateTimeToSystemTime(DateTime value);

}  // namespace haltwise
