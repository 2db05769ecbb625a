// libFuzzer target: ini files read and written as the settings file and the
// skin's colour file are, in memory: every read of the program parses the
// file's text afresh, so each check reads the text written before it. Any
// file reads without failing. Writing a key that the file holds, a new key in
// one of its sections and a key in a new section: each reads back as written,
// and every other key of the file reads as it did before.
//
// Input: the file's bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "platform/ini_document.h"
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
  std::vector<Entry> entries = {
      {"Custom", "PerformanceObject"}, {"Custom", "Minutes"}, {"Colors", "Title"}, {"", "orphan"}};
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

std::vector<std::string> ReadAll(const IniDocument& file, const std::vector<Entry>& entries) {
  std::vector<std::string> values;
  for (const Entry& e : entries) values.push_back(file.GetString(e.section, e.key, "<none>"));
  return values;
}

// Writes one key into `text` and reads the result as the next read would.
void WriteAndCheck(std::string& text, const std::vector<Entry>& entries, const Entry& written,
                   const std::string& value) {
  IniDocument file = IniDocument::Parse(text);
  const std::vector<std::string> before = ReadAll(file, entries);
  file.WriteString(written.section, written.key, value);
  text = file.Text();
  const IniDocument again = IniDocument::Parse(text);
  fuzz::Check(again.GetString(written.section, written.key, "<none>") == value,
              "a written key reads back", written.section + "/" + written.key);
  const std::vector<std::string> after = ReadAll(again, entries);
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
  std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<Entry> entries = EntriesOf(text);
  const IniDocument original = IniDocument::Parse(text);
  for (const Entry& e : entries) original.GetInt(e.section, e.key, -7);

  for (const Entry& e : entries) {
    if (Plain(e.key) && (e.section.empty() || Plain(e.section))) {
      WriteAndCheck(text, entries, e, "written 1");
      WriteAndCheck(text, entries, {e.section, "NewKey"}, "-12");
      break;
    }
  }
  WriteAndCheck(text, entries, {"New Section", "Minutes"}, "0x10");
  return 0;
}
