// libFuzzer target: performance title tables, as the Perflib registry values
// hold them (multi-strings of index and title, under language subkeys) and as
// a replay file holds them (length-prefixed pairs). A table either fails with
// the program's own error or loads; in a registry table, which makes repeated
// titles unique, every title then names the index it came from.
//
// Input: one byte of flags (bit 0: a replay file), then for the registry up
// to three languages as name, "Counter" value and "Help" value, or for a
// replay file its bytes; parts are separated by "HALTWISE".
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "perf/perf_context.h"
#include "perf/perf_titles.h"
#include "perf/replay_file.h"
#include "platform/error.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_registry.h"

namespace {

using namespace haltwise;

const std::string kPerflib = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib";

// Looks every index of the table up, and the indexes the program asks for.
void LookUp(TPerfInfo& titles, bool titlesAreUnique) {
  titles.NameByIndex("238");
  std::vector<std::string> indexes = {"2", "6", "230", "234", "510", "-1", "0x10", ""};
  indexes.insert(indexes.end(), titles.InfoData()->IndexTexts().begin(),
                 titles.InfoData()->IndexTexts().end());
  for (const std::string& index : indexes) {
    const std::string title = titles.NameByIndex(index);
    const std::string back = titles.IndexByName(title);
    if (titlesAreUnique && !title.empty()) {
      fuzz::Check(titles.NameByIndex(back) == title, "a title names the index it came from", title);
    }
  }
}

void FromRegistry(const std::vector<std::string_view>& parts) {
  fake::FakeRegistry registry;
  fake::FakeClock clock;
  registry.CreateKey(kPerflib);
  std::vector<std::string> languages;
  for (std::size_t i = 0; i + 2 < parts.size(); i += 3) {
    const std::string name(parts[i]);
    if (name.find('\\') != std::string::npos) continue;
    languages.push_back(name);
    const std::string key = kPerflib + "\\" + name;
    // Raw bytes: a value need not end with its terminators.
    registry.SetValue(key, "Counter",
                      std::vector<std::uint8_t>(parts[i + 1].begin(), parts[i + 1].end()));
    registry.SetValue(key, "Help",
                      std::vector<std::uint8_t>(parts[i + 2].begin(), parts[i + 2].end()));
  }
  {
    PerfContext context(registry, clock);
    try {
      TPerfTitles titles(context);
      TPerfHelps helps(context);
      for (const std::string& language : languages) {
        titles.SetLocaleID(language);
        helps.SetLocaleID(language);
        try {
          LookUp(titles, true);
          LookUp(helps, true);
        } catch (const Error&) {
        }
      }
    } catch (const Error&) {
    }
  }
  fuzz::Check(registry.OpenHandleCount() == 0, "every Perflib key is closed again");
}

void FromReplayFile(std::string_view bytes) {
  static const fuzz::MemoryFile file("haltwise_title_fuzz");
  file.Write(bytes);
  fake::FakeRegistry registry;
  fake::FakeClock clock;
  registry.CreateKey(kPerflib + "\\009");
  try {
    PerfContext context(registry, clock, file.Path());
    TPerfTitles titles(context);
    TPerfHelps helps(context);
    LookUp(titles, false);
    LookUp(helps, false);
  } catch (const Error&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  if ((data[0] & 1) != 0) {
    FromReplayFile(rest);
  } else {
    FromRegistry(fuzz::SplitParts(rest, 9));
  }
  return 0;
}
