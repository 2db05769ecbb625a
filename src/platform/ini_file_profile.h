#pragma once
#include "platform/private_profile.h"

namespace haltwise {

// PrivateProfile over plain ini files, for Linux and the tests. Each call
// reads the file afresh and works on its text as IniDocument says. A missing
// or unreadable file reads as all defaults. Writing creates the file when
// missing and replaces it in one step, so a failed write leaves the old file
// whole; a file that exists but cannot be read is never written.
class IniFileProfile : public PrivateProfile {
 public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue, const std::string& fileName) override;
  int GetInt(const std::string& section, const std::string& key, int defaultValue,
             const std::string& fileName) override;
  bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& fileName) override;
};

}  // namespace haltwise
