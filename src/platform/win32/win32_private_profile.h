#pragma once
#include "platform/private_profile.h"

namespace haltwise {

// GetPrivateProfileStringW, GetPrivateProfileIntW and
// WritePrivateProfileStringW. Give full paths: Windows looks for a bare
// file name in the Windows folder. Windows reads ANSI and UTF-16 files
// alike; a text outside the ANSI code page (an adapter's or a process's
// name) makes the file UTF-16 first, so that it is stored whole.
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
