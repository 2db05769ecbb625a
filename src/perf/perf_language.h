#pragma once
#include <cstdint>
#include <string>

#include "perf/perf_title_tables.h"

namespace haltwise {

// English, which every Windows installation has beside its own language.
inline constexpr char kEnglishTitles[] = "009";

// The Perflib language in which the user's lists are shown: the display
// language `uiLanguage` (a LANGID) where Windows installed titles for it,
// else English. Perflib names a language by its primary language
// identifier in three hexadecimal digits ("007" German, "004" Chinese), a
// few by their whole identifier.
std::string ChooseTitleLanguage(PerfTitleTables& tables, std::uint16_t uiLanguage);

}  // namespace haltwise
