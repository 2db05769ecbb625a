#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace haltwise {

// The program keeps paths as UTF-8 text. Files are opened through these
// paths so that Windows is given the wide name: a narrow name would pass
// through the ANSI code page and lose every letter outside it.
std::filesystem::path Utf8Path(std::string_view text);
std::string PathText(const std::filesystem::path& path);

}  // namespace haltwise
