#pragma once
#include "platform/datetime.h"
#include "platform/win32/windows_api.h"

namespace haltwise {

// A date-time as the SYSTEMTIME that the locale formats and the date pickers take.
inline SYSTEMTIME ToSystemTime(DateTime value) {
  const SystemTime t = DateTimeToSystemTime(value);
  SYSTEMTIME result{};
  result.wYear = t.year;
  result.wMonth = t.month;
  result.wDayOfWeek = t.dayOfWeek;
  result.wDay = t.day;
  result.wHour = t.hour;
  result.wMinute = t.minute;
  result.wSecond = t.second;
  result.wMilliseconds = t.milliseconds;
  return result;
}

}  // namespace haltwise
