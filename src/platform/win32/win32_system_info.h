#pragma once
#include "platform/system_info.h"

namespace haltwise {

// GetVersion, GetVersionExW, GetSystemTimes and GetUserDefaultUILanguage of kernel32.
class Win32SystemInfo : public SystemInfo {
 public:
  std::uint32_t GetVersion() override;
  bool GetVersionEx(std::uint32_t* platformId) override;
  bool GetSystemTimes(std::int64_t* idle, std::int64_t* kernel, std::int64_t* user) override;
  std::uint16_t GetUserDefaultUILanguage() override;
};

}  // namespace haltwise
