#pragma once
#include <string>

#include "platform/fake/fake_seam.h"
#include "platform/ini_file_profile.h"

namespace haltwise::fake {

// Real ini files through IniFileProfile, with every call recorded under its
// Windows name and open to fault injection: a failed read gives the default,
// as Windows does with a file it cannot read, and a failed write returns
// false. The arguments read "section|key|file" ("section|key=value|file" for
// a write).
class FakePrivateProfile : public PrivateProfile, public FakeSeam {
 public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue, const std::string& fileName) override {
    if (Enter("GetPrivateProfileString", section + "|" + key + "|" + fileName)) return defaultValue;
    return files_.GetString(section, key, defaultValue, fileName);
  }
  int GetInt(const std::string& section, const std::string& key, int defaultValue,
             const std::string& fileName) override {
    if (Enter("GetPrivateProfileInt", section + "|" + key + "|" + fileName)) return defaultValue;
    return files_.GetInt(section, key, defaultValue, fileName);
  }
  bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& fileName) override {
    if (Enter("WritePrivateProfileString", section + "|" + key + "=" + value + "|" + fileName)) {
      return false;
    }
    return files_.WriteString(section, key, value, fileName);
  }

 private:
  IniFileProfile files_;
};

}  // namespace haltwise::fake
