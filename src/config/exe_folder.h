#pragma once
#include <string>

namespace haltwise {

// A file the program keeps beside its executable: the folder part of the
// executable's full path (not the current directory) followed by
// `relative`, whose "\" become the folder's own separator so that the same
// rule serves Windows paths and the Linux build.
std::string PathBesideExe(const std::string& exePath, const std::string& relative);

}  // namespace haltwise
