#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace haltwise {

// The text of one ini file, read and changed as the Windows private-profile
// functions read and change it: section and key names trimmed and compared
// without regard to case, the first matching section and key win, a line
// without "=" is a key without value (it reads as the default), values
// trimmed, and one pair of matching quotes (' or ") around a value dropped.
// A change rewrites or adds only its one line (a new key goes after the last
// line of its section, a new section at the end) and leaves every other line
// as it was.
class IniDocument {
 public:
  // Lines end at "\n", with or without a "\r" before it.
  static IniDocument Parse(std::string_view content);
  // Every line, each ended with "\r\n".
  std::string Text() const;

  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue) const;
  // As GetPrivateProfileInt: an absent or empty value gives the default;
  // otherwise leading blanks, an optional sign, a "0x", "0o" or "0b" prefix
  // (lower case only) choosing the base, then digits up to the first
  // character that is not one ("12abc" gives 12, "abc" gives 0), counted
  // modulo 2^32. Only the first 29 characters of the value are looked at.
  int GetInt(const std::string& section, const std::string& key, int defaultValue) const;
  // The value is stored trimmed.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);

 private:
  struct Line {
    std::string text;  // as in the file, without the line break
    bool isSection = false;
    std::string name;                  // section name, or key
    std::optional<std::string> value;  // entries with "=" only
  };
  struct Range {
    std::size_t begin, end;
  };

  static Line ParseLine(std::string text);
  static bool IsBlank(const Line& line);
  const Line* Find(const std::string& section, const std::string& key) const;
  std::optional<Range> SectionRange(const std::string& section) const;

  std::vector<Line> lines_;
};

}  // namespace haltwise
