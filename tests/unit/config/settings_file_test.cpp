#include "config/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/error.h"
#include "platform/ini_file_profile.h"

namespace haltwise {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
 protected:
  SettingsFileTest() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = fs::temp_directory_path() / (std::string("haltwise_settings_") + info->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  ~SettingsFileTest() override { fs::remove_all(root_); }

  std::string Path() const { return SettingsFilePath((root_ / "Haltwise.exe").string()); }
  void Put(const std::string& content) { std::ofstream(Path(), std::ios::binary) << content; }
  std::string Content() const {
    std::ifstream file(Path(), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), {});
  }

  fs::path root_;
  IniFileProfile profile;
};

TEST_F(SettingsFileTest, LivesBesideTheExecutable) {
  EXPECT_EQ(SettingsFilePath("C:\\Apps\\Haltwise\\Haltwise.exe"),
            "C:\\Apps\\Haltwise\\Haltwise.ini");
  EXPECT_EQ(Path(), (root_ / "Haltwise.ini").string());
}

TEST_F(SettingsFileTest, MissingFileOrSectionGivesEveryDefault) {
  const SettingKey keys[] = {kPerformanceObject, kPerformanceCounter, kPerformanceInstance,
                             kValueMin,          kValueMax,           kMinutes};
  const int defaults[] = {-1, -1, -1, 0, 0, 3};
  for (const char* content : {"", "[Other]\r\nMinutes=9\r\n"}) {
    if (*content) Put(content);
    const SettingsFile settings(profile, Path());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(settings.ReadInt(keys[i]), defaults[i]) << keys[i].name;
  }
}

TEST_F(SettingsFileTest, ValuesThatAreNotIntegersCountAsAbsent) {
  const std::pair<const char*, int> cases[] = {{"abc", 3}, {"0x10", 16}, {"12abc", 3}, {"", 3},
                                               {"-4", -4}, {" 7 ", 7},   {"$10", 16}};
  const SettingsFile settings(profile, Path());
  for (const auto& [text, expected] : cases) {
    Put(std::string("[Custom]\r\nMinutes=") + text + "\r\n");
    EXPECT_EQ(settings.ReadInt(kMinutes), expected) << text;
  }
}

TEST_F(SettingsFileTest, WritesDecimalsAndKeepsOtherSections) {
  Put("[Window]\r\nLeft=10\r\n");
  const SettingsFile settings(profile, Path());
  settings.WriteInt(kPerformanceObject, -1);
  settings.WriteInt(kValueMin, 5);
  settings.WriteInt(kMinutes, 3);
  EXPECT_EQ(
      Content(),
      "[Window]\r\nLeft=10\r\n[Custom]\r\nPerformanceObject=-1\r\nValueMin=5\r\nMinutes=3\r\n");
  EXPECT_EQ(settings.ReadInt(kValueMin), 5);
}

TEST_F(SettingsFileTest, FailedWriteNamesTheFile) {
  const std::string path = (root_ / "missing folder" / "Haltwise.ini").string();
  const SettingsFile settings(profile, path);
  try {
    settings.WriteInt(kMinutes, 3);
    ADD_FAILURE();
  } catch (const Error& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + path);
  }
}

}  // namespace
}  // namespace haltwise
