#include "platform/ini_document.h"

#include <cstdint>

#include "platform/text.h"

namespace haltwise {
namespace {

// GetPrivateProfileInt reads the value into a buffer of 30 characters.
constexpr std::size_t kIntTextLimit = 29;

std::string WithoutQuotes(const std::string& value) {
  if (value.size() > 1 && (value[0] == '\'' || value[0] == '"') && value.back() == value[0]) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Windows drops trailing blanks from the default, but never its first character.
std::string TrimDefault(const std::string& value) {
  std::size_t end = value.size();
  while (end > 1 && value[end - 1] == ' ') --end;
  return value.substr(0, end);
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

// The integer conversion of GetPrivateProfileInt (RtlUnicodeStringToInteger
// with base 0).
std::int32_t ParseProfileInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  unsigned base = 10;
  if (i + 1 < text.size() && text[i] == '0') {
    switch (text[i + 1]) {
      case 'b':
        base = 2;
        break;
      case 'o':
        base = 8;
        break;
      case 'x':
        base = 16;
        break;
      default:
        break;
    }
    if (base != 10) i += 2;
  }
  std::uint32_t total = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i]);
    if (static_cast<unsigned>(digit) >= base) break;
    total = total * base + static_cast<std::uint32_t>(digit);
  }
  return static_cast<std::int32_t>(negative ? 0u - total : total);
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view content) {
  IniDocument document;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string_view::npos) end = content.size();
    std::string text(content.substr(start, end - start));
    if (!text.empty() && text.back() == '\r') text.pop_back();
    document.lines_.push_back(ParseLine(std::move(text)));
    start = end + 1;
  }
  return document;
}

std::string IniDocument::Text() const {
  std::string text;
  for (const Line& line : lines_) text += line.text + "\r\n";
  return text;
}

std::string IniDocument::GetString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const {
  const Line* line = Find(section, key);
  if (line == nullptr || !line->value) return TrimDefault(defaultValue);
  return WithoutQuotes(*line->value);
}

int IniDocument::GetInt(const std::string& section, const std::string& key,
                        int defaultValue) const {
  const std::string text = GetString(section, key, "");
  if (text.empty()) return defaultValue;
  return ParseProfileInt(std::string_view(text).substr(0, kIntTextLimit));
}

void IniDocument::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
  const std::string line = key + "=" + Trim(value);
  const auto range = SectionRange(section);
  if (!range) {
    if (!section.empty()) lines_.push_back(ParseLine("[" + section + "]"));
    lines_.push_back(ParseLine(line));
    return;
  }
  std::size_t insertAt = range->begin;
  for (std::size_t i = range->begin; i < range->end; ++i) {
    if (IsBlank(lines_[i])) continue;
    if (SameTextAscii(lines_[i].name, key)) {
      // The key keeps the spelling the file gave it.
      lines_[i] = ParseLine(lines_[i].name + "=" + Trim(value));
      return;
    }
    insertAt = i + 1;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), ParseLine(line));
}

IniDocument::Line IniDocument::ParseLine(std::string text) {
  Line line;
  const std::string trimmed = Trim(text);
  const std::size_t close = trimmed.rfind(']');
  if (!trimmed.empty() && trimmed[0] == '[' && close != std::string::npos) {
    line.isSection = true;
    line.name = Trim(std::string_view(trimmed).substr(1, close - 1));
  } else if (const std::size_t equals = trimmed.find('='); equals != std::string::npos) {
    line.name = Trim(std::string_view(trimmed).substr(0, equals));
    line.value = Trim(std::string_view(trimmed).substr(equals + 1));
  } else {
    line.name = trimmed;
  }
  line.text = std::move(text);
  return line;
}

bool IniDocument::IsBlank(const Line& line) {
  return !line.isSection && line.name.empty() && !line.value;
}

const IniDocument::Line* IniDocument::Find(const std::string& section,
                                           const std::string& key) const {
  const auto range = SectionRange(section);
  if (!range) return nullptr;
  for (std::size_t i = range->begin; i < range->end; ++i) {
    if (!IsBlank(lines_[i]) && SameTextAscii(lines_[i].name, key)) return &lines_[i];
  }
  return nullptr;
}

// Lines after the first header of `section` up to the next header; the lines
// before any header form the section with the empty name.
std::optional<IniDocument::Range> IniDocument::SectionRange(const std::string& section) const {
  std::optional<std::size_t> begin;
  if (section.empty()) begin = 0;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (!lines_[i].isSection) continue;
    if (begin) return Range{*begin, i};
    if (SameTextAscii(lines_[i].name, section)) begin = i + 1;
  }
  if (begin) return Range{*begin, lines_.size()};
  return std::nullopt;
}

}  // namespace haltwise
