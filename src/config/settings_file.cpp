#include "config/settings_file.h"

#include "config/exe_folder.h"
#include "platform/error.h"
#include "platform/text.h"

namespace haltwise {

std::string SettingsFilePath(const std::string& exePath) {
  return PathBesideExe(exePath, "Haltwise.ini");
}

int SettingsFile::ReadInt(const SettingKey& key) const {
  const std::string text = profile_.GetString(kSettingsSection, key.name, "", path_);
  return TryStrToInt(text).value_or(key.defaultValue);
}

bool SettingsFile::Holds(const SettingKey& key) const {
  return TryStrToInt(profile_.GetString(kSettingsSection, key.name, "", path_)).has_value();
}

void SettingsFile::WriteInt(const SettingKey& key, int value) const {
  if (!profile_.WriteString(kSettingsSection, key.name, std::to_string(value), path_)) {
    throw Error("Unable to write to " + path_);
  }
}

std::string SettingsFile::ReadString(const char* key) const {
  return profile_.GetString(kSettingsSection, key, "", path_);
}

void SettingsFile::WriteString(const char* key, const std::string& value) const {
  if (!profile_.WriteString(kSettingsSection, key, value, path_)) {
    throw Error("Unable to write to " + path_);
  }
}

}  // namespace haltwise
