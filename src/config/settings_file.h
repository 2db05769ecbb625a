#pragma once
#include <string>

#include "platform/private_profile.h"

namespace haltwise {

// One integer setting of section "Custom" and the value it has when absent.
struct SettingKey {
  const char* name;
  int defaultValue;
};

inline constexpr char kSettingsSection[] = "Custom";
inline constexpr SettingKey kPerformanceObject{"PerformanceObject", -1};
inline constexpr SettingKey kPerformanceCounter{"PerformanceCounter", -1};
inline constexpr SettingKey kPerformanceInstance{"PerformanceInstance", -1};
inline constexpr SettingKey kValueMin{"ValueMin", 0};
inline constexpr SettingKey kValueMax{"ValueMax", 0};
inline constexpr SettingKey kMinutes{"Minutes", 3};
// The Custom choice by name as well, so that it survives lists that come out
// in another order; the positions above stay for files written before.
inline constexpr char kPerformanceObjectName[] = "PerformanceObjectName";
inline constexpr char kPerformanceCounterName[] = "PerformanceCounterName";
inline constexpr char kPerformanceInstanceName[] = "PerformanceInstanceName";

// "Haltwise.ini" beside the executable.
std::string SettingsFilePath(const std::string& exePath);

// The settings file, read and written through the private-profile
// functions so that other sections and keys stay as they are.
class SettingsFile {
 public:
  SettingsFile(PrivateProfile& profile, std::string path)
      : profile_(profile), path_(std::move(path)) {}

  const std::string& Path() const { return path_; }

  // A value that is not an integer counts as absent ("0x10" is 16, "abc"
  // gives the default); a missing file reads as all defaults.
  int ReadInt(const SettingKey& key) const;
  // True when the file holds an integer for the key.
  bool Holds(const SettingKey& key) const;
  // Writes the value in decimal; the file is created when missing. Raises
  // haltwise::Error "Unable to write to " + the file's path.
  void WriteInt(const SettingKey& key, int value) const;
  // Empty when absent.
  std::string ReadString(const char* key) const;
  void WriteString(const char* key, const std::string& value) const;

 private:
  PrivateProfile& profile_;
  std::string path_;
};

}  // namespace haltwise
