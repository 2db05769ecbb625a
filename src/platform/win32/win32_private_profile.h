#pragma once
#include "platform/private_profile.h"

namespace haltwise {

// GetPrivateProfileStringA, GetPrivateProfileIntA and
// WritePrivateProfileStringA. Give full paths: Windows looks for a bare
// file name in the Windows folder.
class Win32PrivateProfile : public PrivateProfile {
 public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue, const std::string& fileName) override;
  int GetInt(const std::string& section, const std::string& key, int defaultValue,
             const std::string& fileName) override;
  bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& fileName) override;
};

}  // namespace haltwise
