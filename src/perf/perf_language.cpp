#include "perf/perf_language.h"

#include <algorithm>
#include <cstdio>

#include "platform/text.h"

namespace haltwise {
namespace {

std::string Hex3(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "%03X", value & 0xFFFu);
  return text;
}

}  // namespace

std::string ChooseTitleLanguage(PerfTitleTables& tables, std::uint16_t uiLanguage) {
  const std::vector<std::string>& languages = tables.AvailableLanguages();
  for (const std::string& candidate : {Hex3(uiLanguage & 0x3FFu), Hex3(uiLanguage)}) {
    const auto found = std::find_if(languages.begin(), languages.end(), [&](const std::string& l) {
      return SameTextAscii(l, candidate);
    });
    if (found != languages.end() && tables.HasCounterTitles(*found)) return *found;
  }
  return kEnglishTitles;
}

}  // namespace haltwise
