// libFuzzer target: ini files read and written through IniFileProfile, as
// the settings file and the skin's colour file are. Any file reads without
// failing. Writing a key that the file holds, a new key in one of its
// sections and a key in a new section: each reads back as written, and every
// other key of the file reads as it did before.
//
// Input: the file's bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "platform/ini_file_profile.h"
#include "platform/text.h"

namespace {

using namespace haltwise;

struct Entry {
  std::string section;
  std::string key;
};

// The sections and keys a plain reading of the text finds (without the
// rules of the reader under test), and some the program uses.
std::vector<Entry> EntriesOf(std::string_view text) {
  std::vector<Entry> entries = {{"Custom", "PerformanceObject"}, {"Custom", "Minutes"},
                                {"Colors", "Title"},             {"", "orphan"}};
  std::string section;
  std::size_t start = 0;
  while (start < text.size() && entries.size() < 64) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
      section = Trim(line.substr(1, line.size() - 2));
    } else if (const std::size_t equals = line.find('='); equals != std::string::npos) {
      entries.push_back({section, Trim(line.substr(0, equals))});
    }
  }
  return entries;
}

// A name the program itself would write: no signs that the format uses.
bool Plain(const std::string& name) {
  if (name.empty() || name != Trim(name)) return false;
  for (char c : name) {
    if (c == '=' || c == '[' || c == ']' || c == ';' || c == '"' || c == '\'' ||
        static_cast<unsigned char>(c) < ' ') {
      return false;
    }
  }
  return true;
}

std::vector<std::string> ReadAll(IniFileProfile& profile, const std::vector<Entry>& entries,
                                 const std::string& file) {
  std::vector<std::string> values;
  for (const Entry& e : entries) {
    profile.GetInt(e.section, e.key, -7, file);
    values.push_back(profile.GetString(e.section, e.key, "<none>", file));
  }
  return values;
}

void WriteAndCheck(IniFileProfile& profile, const std::vector<Entry>& entries, const Entry& written,
                   const std::string& value, const std::string& file) {
  const std::vector<std::string> before = ReadAll(profile, entries, file);
  fuzz::Check(profile.WriteString(written.section, written.key, value, file),
              "a readable file can be written");
  fuzz::Check(profile.GetString(written.section, written.key, "<none>", file) == value,
              "a written key reads back", written.section + "/" + written.key);
  const std::vector<std::string> after = ReadAll(profile, entries, file);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (SameTextAscii(entries[i].section, written.section) &&
        SameTextAscii(entries[i].key, written.key)) {
      continue;
    }
    fuzz::Check(before[i] == after[i], "writing one key leaves the others",
                entries[i].section + "/" + entries[i].key);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::ScratchFile file("haltwise_ini_fuzz");
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  file.Write(text);
  IniFileProfile profile;
  const std::vector<Entry> entries = EntriesOf(text);

  for (const Entry& e : entries) {
    if (Plain(e.key) && (e.section.empty() || Plain(e.section))) {
      WriteAndCheck(profile, entries, e, "written 1", file.Name());
      WriteAndCheck(profile, entries, {e.section, "NewKey"}, "-12", file.Name());
      break;
    }
  }
  WriteAndCheck(profile, entries, {"New Section", "Minutes"}, "0x10", file.Name());
  return 0;
}
