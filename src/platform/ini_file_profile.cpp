#include "platform/ini_file_profile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "platform/file_path.h"
#include "platform/ini_document.h"

namespace haltwise {
namespace {

// None when the file exists but cannot be read; a missing file is empty.
std::optional<IniDocument> Load(const std::string& fileName) {
  const std::filesystem::path path = Utf8Path(fileName);
  std::error_code status;
  // A folder or device of that name is no ini file; reading it would throw.
  if (std::filesystem::exists(path, status) && !std::filesystem::is_regular_file(path, status)) {
    return std::nullopt;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::error_code error;
    if (std::filesystem::exists(path, error) || error) return std::nullopt;
    return IniDocument();
  }
  const std::string content((std::istreambuf_iterator<char>(file)), {});
  if (file.bad()) return std::nullopt;
  return IniDocument::Parse(content);
}

// Written beside the file and moved over it, so that a failure half-way
// never leaves a shortened file behind.
bool Save(const IniDocument& document, const std::string& fileName) {
  const std::filesystem::path temporary = Utf8Path(fileName + ".tmp");
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file << document.Text();
    file.flush();
    if (!file) {
      file.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, Utf8Path(fileName), error);
  if (error) std::filesystem::remove(temporary, error);
  return !error;
}

}  // namespace

// A file that cannot be read reads as all defaults, as Windows reads it.
std::string IniFileProfile::GetString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue,
                                      const std::string& fileName) {
  return Load(fileName).value_or(IniDocument()).GetString(section, key, defaultValue);
}

int IniFileProfile::GetInt(const std::string& section, const std::string& key, int defaultValue,
                           const std::string& fileName) {
  return Load(fileName).value_or(IniDocument()).GetInt(section, key, defaultValue);
}

bool IniFileProfile::WriteString(const std::string& section, const std::string& key,
                                 const std::string& value, const std::string& fileName) {
  // A file that exists but cannot be read must not be overwritten.
  std::optional<IniDocument> document = Load(fileName);
  if (!document) return false;
  document->WriteString(section, key, value);
  return Save(*document, fileName);
}

}  // namespace haltwise
