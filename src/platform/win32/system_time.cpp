#include "platform/win32/system_time.h"

namespace haltwise {

SYSTEMTIME ToSystemTime(DateTime value) {
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

DateTime FromSystemTime(const SYSTEMTIME& time) {
  if (!IsValidDate(time.wYear, time.wMonth, time.wDay)) return 0;
  return EncodeDate(time.wYear, time.wMonth, time.wDay) +
         EncodeTime(time.wHour, time.wMinute, time.wSecond, time.wMilliseconds);
}

}  // namespace haltwise
