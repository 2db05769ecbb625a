#pragma once
#include <cstdint>

namespace haltwise {

// Version and processor-time queries.
class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  // GetVersion: the high bit is set on the Windows 9x family.
  virtual std::uint32_t GetVersion() = 0;
  // GetVersionExA: the platform identifier (2 = VER_PLATFORM_WIN32_NT).
  virtual bool GetVersionEx(std::uint32_t* platformId) = 0;
  // GetSystemTimes, each in 100-ns units; kernel time includes idle time.
  virtual bool GetSystemTimes(std::int64_t* idle, std::int64_t* kernel, std::int64_t* user) = 0;
  // GetUserDefaultUILanguage: the language identifier of the user's display
  // language, such as 0x0409 (English) or 0x0407 (German).
  virtual std::uint16_t GetUserDefaultUILanguage() = 0;
};

}  // namespace haltwise
