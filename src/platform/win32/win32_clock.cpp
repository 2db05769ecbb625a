#include "platform/win32/win32_clock.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/file_time.h"
#include "platform/win32/system_time.h"

namespace haltwise {

std::uint32_t Win32Clock::TickCount() const { return GetTickCount(); }

DateTime Win32Clock::Now() const {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  return FromSystemTime(local);
}

std::int64_t Win32Clock::UtcFileTime() const {
  FILETIME utc{};
  GetSystemTimeAsFileTime(&utc);
  return FileTimeToInt64(utc);
}

}  // namespace haltwise
