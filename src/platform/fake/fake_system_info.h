#pragma once
#include "platform/fake/fake_seam.h"
#include "platform/system_info.h"

namespace haltwise::fake {

// An NT-family machine by default; the processor times are settable.
class FakeSystemInfo : public SystemInfo, public FakeSeam {
 public:
  std::uint32_t version = 0x23F00206;
  std::uint32_t platformId = 2;
  std::int64_t idleTime = 0, kernelTime = 0, userTime = 0;
  std::uint16_t uiLanguage = 0x0409;  // English (United States)

  std::uint32_t GetVersion() override {
    Enter("GetVersion", "");
    return version;
  }
  bool GetVersionEx(std::uint32_t* id) override {
    if (Enter("GetVersionEx", "")) return false;
    *id = platformId;
    return true;
  }
  bool GetSystemTimes(std::int64_t* idle, std::int64_t* kernel, std::int64_t* user) override {
    if (Enter("GetSystemTimes", "")) return false;
    *idle = idleTime;
    *kernel = kernelTime;
    *user = userTime;
    return true;
  }
  std::uint16_t GetUserDefaultUILanguage() override {
    Enter("GetUserDefaultUILanguage", "");
    return uiLanguage;
  }
};

}  // namespace haltwise::fake
