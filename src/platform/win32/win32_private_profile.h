#pragma once
#include "platform/private_profile.h"

namespace haltwise {

// GetPrivateProfileStringW, GetPrivateProfileIntW and
// WritePrivateProfileStringW. Give full paths: Windows looks for a bare
// file name in the Windows folder. Windows reads ANSI and UTF-16 files
// alike; it writes a new file, and keeps an existing one, in its own
// encoding (a new file is ANSI, so a text outside the ANSI code page would
// not survive there: the program stores only numbers).
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
