#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "config/settings_file.h"
#include "config/skin_colors.h"
#include "config/skin_files.h"
#include "platform/error.h"
#include "platform/win32/win32_private_profile.h"

namespace haltwise {
namespace {

namespace fs = std::filesystem;

// The settings and the skin through the real private-profile functions, in
// a folder that stands for the executable's.
class Win32ConfigFilesTest : public ::testing::Test {
 protected:
  Win32ConfigFilesTest() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = fs::temp_directory_path() / (std::string("haltwise_config_") + info->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "Skin");
    exe_ = (root_ / "Haltwise.exe").string();
  }
  ~Win32ConfigFilesTest() override { fs::remove_all(root_); }

  fs::path root_;
  std::string exe_;
  Win32PrivateProfile profile;
};

TEST_F(Win32ConfigFilesTest, SettingsAreWrittenAndReadBack) {
  const SettingsFile settings(profile, SettingsFilePath(exe_));
  EXPECT_EQ(settings.ReadInt(kMinutes), 3);
  EXPECT_EQ(settings.ReadInt(kPerformanceObject), -1);

  settings.WriteInt(kPerformanceObject, 4);
  settings.WriteInt(kPerformanceCounter, -1);
  settings.WriteInt(kValueMax, 99999);
  settings.WriteInt(kMinutes, 7);
  EXPECT_TRUE(fs::exists(root_ / "Haltwise.ini"));
  EXPECT_EQ(settings.ReadInt(kPerformanceObject), 4);
  EXPECT_EQ(settings.ReadInt(kPerformanceCounter), -1);
  EXPECT_EQ(settings.ReadInt(kValueMax), 99999);
  EXPECT_EQ(settings.ReadInt(kMinutes), 7);

  profile.WriteString("Custom", "Minutes", "abc", settings.Path());
  EXPECT_EQ(settings.ReadInt(kMinutes), 3);
  profile.WriteString("Custom", "Minutes", "0x10", settings.Path());
  EXPECT_EQ(settings.ReadInt(kMinutes), 16);
}

TEST_F(Win32ConfigFilesTest, FailedSettingsWriteIsReported) {
  const std::string path = (root_ / "no folder" / "Haltwise.ini").string();
  const SettingsFile settings(profile, path);
  EXPECT_THROW(settings.WriteInt(kMinutes, 3), Error);
}

TEST_F(Win32ConfigFilesTest, SkinColoursAreReadFromColorsIni) {
  std::ofstream(root_ / "Skin" / "Colors.ini", std::ios::binary)
      << "[Colors]\r\nTitle=FFFFFF\r\nText=\r\nEditBox=00$FF\r\nCPUText=$00ffffff\r\n"
         "ButtonsCaptionActive=$0000FF00\r\n";
  const SkinColors colors = ReadSkinColors(profile, SkinColorsFile(exe_));
  EXPECT_EQ(colors.Title, 0x00FFFFFFu);
  EXPECT_EQ(colors.Text, 0u);
  EXPECT_EQ(colors.EditBox, 0u);
  EXPECT_EQ(colors.CPUText, 0x00FFFFFFu);
  EXPECT_EQ(colors.ButtonsCaptionActive, 0x0000FF00u);
  EXPECT_EQ(colors.DigitsBack, SkinColors().DigitsBack);
}

TEST_F(Win32ConfigFilesTest, NoColourFileGivesTheDefaults) {
  fs::remove_all(root_ / "Skin");
  const SkinColors colors = ReadSkinColors(profile, SkinColorsFile(exe_));
  for (const SkinColorKey& key : kSkinColorKeys) {
    EXPECT_EQ(colors.*key.color, SkinColors().*key.color) << key.name;
  }
}

}  // namespace
}  // namespace haltwise
