#include "platform/datetime.h"

#include <cmath>

namespace haltwise {
namespace {

constexpr std::int64_t kDaysFrom1601To1899 = 109205;  // 1 Jan 1601 to 30 Dec 1899
constexpr std::int64_t kFileTicksPerMs = 10000;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1 March of year 0 in the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(int year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra;
}

const std::int64_t kEpochDays = DaysFromCivil(1899, 12, 30);

CalendarDate CivilFromDays(std::int64_t days) {
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

}  // namespace

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second, int millisecond) {
  return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60 &&
         millisecond >= 0 && millisecond < 1000;
}

DateTime EncodeDate(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) return 0;
  return static_cast<DateTime>(DaysFromCivil(year, month, day) - kEpochDays);
}

DateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  if (!IsValidTime(hour, minute, second, millisecond)) return 0;
  const double ms = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond;
  return ms / kMsPerDay;
}

DateTime DateOf(DateTime value) { return std::trunc(value); }

DateTime TimeOf(DateTime value) { return std::fabs(value - std::trunc(value)); }

CalendarDate DecodeDate(DateTime value) {
  // Rounding to the millisecond may carry the time into the next day.
  const std::int64_t totalMs = std::llround(value * kMsPerDay);
  std::int64_t days = totalMs / static_cast<std::int64_t>(kMsPerDay);
  if (totalMs < 0 && totalMs % static_cast<std::int64_t>(kMsPerDay) != 0) --days;
  return CivilFromDays(days + kEpochDays);
}

TimeOfDay DecodeTime(DateTime value) {
  std::int64_t ms =
      std::llround(std::fabs(value) * kMsPerDay) % static_cast<std::int64_t>(kMsPerDay);
  TimeOfDay t;
  t.millisecond = static_cast<int>(ms % 1000);
  ms /= 1000;
  t.second = static_cast<int>(ms % 60);
  ms /= 60;
  t.minute = static_cast<int>(ms % 60);
  t.hour = static_cast<int>(ms / 60);
  return t;
}

bool SystemTimeToFileTime(const SystemTime& time, std::int64_t* fileTime) {
  if (!IsValidDate(time.year, time.month, time.day) ||
      !IsValidTime(time.hour, time.minute, time.second, time.milliseconds) || time.year < 1601) {
    return false;
  }
  const std::int64_t days =
      DaysFromCivil(time.year, time.month, time.day) - kEpochDays + kDaysFrom1601To1899;
  const std::int64_t ms =
      ((static_cast<std::int64_t>(time.hour) * 60 + time.minute) * 60 + time.second) * 1000 +
      time.milliseconds;
  *fileTime = (days * static_cast<std::int64_t>(kMsPerDay) + ms) * kFileTicksPerMs;
  return true;
}

SystemTime DateTimeToSystemTime(DateTime value) {
  const CalendarDate date = DecodeDate(value);
  const TimeOfDay time = DecodeTime(value);
  SystemTime st;
  st.year = static_cast<std::uint16_t>(date.year);
  st.month = static_cast<std::uint16_t>(date.month);
  st.day = static_cast<std::uint16_t>(date.day);
  st.hour = static_cast<std::uint16_t>(time.hour);
  st.minute = static_cast<std::uint16_t>(time.minute);
  st.second = static_cast<std::uint16_t>(time.second);
  st.milliseconds = static_cast<std::uint16_t>(time.millisecond);
  st.dayOfWeek = static_cast<std::uint16_t>(
      ((static_cast<std::int64_t>(DateOf(value)) % 7) + 7 + 6) % 7);  // 30 Dec 1899 was a Saturday
  return st;
}

}  // namespace haltwise
