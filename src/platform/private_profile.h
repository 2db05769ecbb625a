#pragma once
#include <string>

namespace haltwise {

// GetPrivateProfileString / GetPrivateProfileInt /
// WritePrivateProfileString on one ini file given by its full path; texts
// and the path in UTF-8.
class PrivateProfile {
 public:
  virtual ~PrivateProfile() = default;

  virtual std::string GetString(const std::string& section, const std::string& key,
                                const std::string& defaultValue, const std::string& fileName) = 0;
  // As Windows reads it: an absent or empty value gives the default;
  // otherwise leading blanks, an optional sign, decimal digits (hexadecimal
  // after "0x") up to the first other character: "12abc" gives 12 and "abc"
  // gives 0, not the default.
  virtual int GetInt(const std::string& section, const std::string& key, int defaultValue,
                     const std::string& fileName) = 0;
  // Returns false when the file cannot be written.
  virtual bool WriteString(const std::string& section, const std::string& key,
                           const std::string& value, const std::string& fileName) = 0;
};

}  // namespace haltwise
