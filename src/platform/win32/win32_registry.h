#pragma once
#include "platform/registry.h"

namespace haltwise {

// The registry seam over advapi32: every call passes its arguments and its
// LSTATUS result through unchanged. Works on HKEY_PERFORMANCE_DATA too.
class Win32Registry : public Registry {
 public:
  long OpenKeyEx(win::RegKey parent, const std::string& subKey, std::uint32_t access,
                 win::RegKey* result) override;
  long CreateKeyEx(win::RegKey parent, const std::string& subKey, std::uint32_t access,
                   win::RegKey* result, bool* created) override;
  long QueryValueEx(win::RegKey key, const std::string& valueName, std::uint8_t* data,
                    std::uint32_t* size) override;
  long EnumKeyEx(win::RegKey key, std::uint32_t index, char* name,
                 std::uint32_t* nameSize) override;
  long QueryInfoKey(win::RegKey key, std::uint32_t* maxValueDataSize) override;
  long CloseKey(win::RegKey key) override;
};

}  // namespace haltwise
