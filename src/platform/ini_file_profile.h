#pragma once
#include "platform/private_profile.h"

namespace haltwise {

// PrivateProfile over plain ini files, for Linux and the tests. It reads as
// the Windows functions do: section and key names trimmed and compared
// without regard to case, the first matching section and key win, a line
// without "=" is a key without value (it reads as the default), values
// trimmed, and one pair of matching quotes (' or ") around a value dropped.
// A missing file reads as all defaults. Writing changes or adds only the one
// line (a new key goes after the last line of its section, a new section at
// the end of the file) and leaves every other line as it was; the file is
// created when missing and replaced in one step, so a failed write leaves
// the old file whole.
class IniFileProfile : public PrivateProfile {
 public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue, const std::string& fileName) override;
  // As GetPrivateProfileInt: an absent or empty value gives the default;
  // otherwise leading blanks, an optional sign, a "0x", "0o" or "0b" prefix
  // (lower case only) choosing the base, then digits up to the first
  // character that is not one ("12abc" gives 12, "abc" gives 0), counted
  // modulo 2^32. Only the first 29 characters of the value are looked at.
  int GetInt(const std::string& section, const std::string& key, int defaultValue,
             const std::string& fileName) override;
  bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& fileName) override;
};

}  // namespace haltwise
