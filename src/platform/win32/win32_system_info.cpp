#include "platform/win32/win32_system_info.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/file_time.h"

namespace haltwise {

std::uint32_t Win32SystemInfo::GetVersion() { return ::GetVersion(); }

bool Win32SystemInfo::GetVersionEx(std::uint32_t* platformId) {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  static_assert(sizeof info == 276, "the version record the call expects");
  if (!GetVersionExW(&info)) return false;
  *platformId = info.dwPlatformId;
  return true;
}

bool Win32SystemInfo::GetSystemTimes(std::int64_t* idle, std::int64_t* kernel, std::int64_t* user) {
  FILETIME idleTime{}, kernelTime{}, userTime{};
  if (!::GetSystemTimes(&idleTime, &kernelTime, &userTime)) return false;
  *idle = FileTimeToInt64(idleTime);
  *kernel = FileTimeToInt64(kernelTime);
  *user = FileTimeToInt64(userTime);
  return true;
}

std::uint16_t Win32SystemInfo::GetUserDefaultUILanguage() { return ::GetUserDefaultUILanguage(); }

}  // namespace haltwise
