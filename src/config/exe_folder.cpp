#include "config/exe_folder.h"

#include <algorithm>

namespace haltwise {

std::string PathBesideExe(const std::string& exePath, const std::string& relative) {
  const std::size_t last = exePath.find_last_of("\\/");
  if (last == std::string::npos) return relative;
  const char separator = exePath[last];
  std::string path = exePath.substr(0, last + 1) + relative;
  std::replace(path.begin() + static_cast<std::ptrdiff_t>(last + 1), path.end(), '\\', separator);
  return path;
}

}  // namespace haltwise
