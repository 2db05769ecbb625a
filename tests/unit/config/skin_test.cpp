#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "config/exe_folder.h"
#include "config/skin_colors.h"
#include "config/skin_files.h"
#include "platform/ini_file_profile.h"

namespace haltwise {
namespace {

namespace fs = std::filesystem;

TEST(ColorFromHexText, ReadsHexadecimalWithOrWithoutDollar) {
  const std::pair<const char*, Color> cases[] = {
      {"$00FFFFFF", 0x00FFFFFF},
      {"FFFFFF", 0x00FFFFFF},
      {"$00ffffff", 0x00FFFFFF},
      {"$000000FF", 0x000000FF},
      {"$00FF0000", 0x00FF0000},
      {"", 0},
      {"00$FF", 0},
      {"$", 0},
      {"GG", 0},
      {"0x10", 0},
      {"$FF00000F", 0xFF00000F},  // system colour code passes
      {"1FFFFFFF", 0x1FFFFFFF},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ColorFromHexText(text), expected) << text;
}

TEST(SkinPaths, SkinFolderIsBesideTheExecutable) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Apps\\Haltwise\\Haltwise.exe", "C:\\Apps\\Haltwise\\Skin\\"},
      {"/opt/haltwise/haltwise", "/opt/haltwise/Skin/"},
      {"Haltwise.exe", "Skin\\"},
  };
  for (const auto& [exe, folder] : cases) EXPECT_EQ(SkinFolder(exe), folder);
  EXPECT_EQ(SkinColorsFile("C:\\Haltwise\\Haltwise.exe"), "C:\\Haltwise\\Skin\\Colors.ini");
  EXPECT_EQ(PathBesideExe("D:\\Tools\\x.exe", "Help\\CmdLine.html"),
            "D:\\Tools\\Help\\CmdLine.html");
}

class SkinFolderTest : public ::testing::Test {
 protected:
  SkinFolderTest() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = fs::temp_directory_path() / (std::string("haltwise_skin_") + info->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "Skin");
    exe_ = (root_ / "Haltwise.exe").string();
  }
  ~SkinFolderTest() override { fs::remove_all(root_); }

  void Put(const std::string& name, const std::string& content = "BM") {
    std::ofstream(root_ / "Skin" / name, std::ios::binary) << content;
  }

  fs::path root_;
  std::string exe_;
  IniFileProfile profile;
};

TEST_F(SkinFolderTest, EmptyFolderGivesTheDefaultColoursAndNoBitmaps) {
  const SkinColors colors = ReadSkinColors(profile, SkinColorsFile(exe_));
  const SkinColors defaults;
  for (const SkinColorKey& key : kSkinColorKeys) {
    EXPECT_EQ(colors.*key.color, defaults.*key.color) << key.name;
    EXPECT_EQ(defaults.*key.color, ColorFromHexText(key.defaultText)) << key.name;
  }
  const SkinBitmaps bitmaps = FindSkinBitmaps(exe_);
  EXPECT_FALSE(bitmaps.mainForm || bitmaps.buttonUp || bitmaps.buttonDown || bitmaps.leds ||
               bitmaps.startOff || bitmaps.startOn);
}

TEST_F(SkinFolderTest, ColoursComeFromTheColorsSection) {
  Put("Colors.ini",
      "[Colors]\r\nTitle=FFFFFF\r\nText=\r\nEditBox=00$FF\r\nCPUText=$00ffffff\r\n"
      "DigitPixelOn=$0000FF00\r\n[Other]\r\nStatusText=$00123456\r\n");
  const SkinColors colors = ReadSkinColors(profile, SkinColorsFile(exe_));
  EXPECT_EQ(colors.Title, 0x00FFFFFFu);
  EXPECT_EQ(colors.Text, 0u);
  EXPECT_EQ(colors.EditBox, 0u);
  EXPECT_EQ(colors.CPUText, 0x00FFFFFFu);
  EXPECT_EQ(colors.DigitPixelOn, 0x0000FF00u);
  EXPECT_EQ(colors.StatusText, SkinColors().StatusText);  // other sections do not count
  EXPECT_EQ(colors.FormBackground, SkinColors().FormBackground);
}

// Records the keys asked for, in order.
class RecordingProfile : public IniFileProfile {
 public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue, const std::string& fileName) override {
    asked.push_back(section + "/" + key + "=" + defaultValue);
    return IniFileProfile::GetString(section, key, defaultValue, fileName);
  }
  std::vector<std::string> asked;
};

TEST_F(SkinFolderTest, KeysAreReadInTableOrderWithTheirDefaultTexts) {
  RecordingProfile recording;
  ReadSkinColors(recording, SkinColorsFile(exe_));
  ASSERT_EQ(recording.asked.size(), 16u);
  EXPECT_EQ(recording.asked.front(), "Colors/Title=$00FFFFFF");
  EXPECT_EQ(recording.asked[2], "Colors/ButtonsCaptionActive=$000000FF");
  EXPECT_EQ(recording.asked.back(), "Colors/CPUText=$00CC9B6F");
}

TEST_F(SkinFolderTest, BitmapsAreUsedWhenPresentAndTheButtonImagesOnlyAsAPair) {
  Put(kButtonUpBitmap);
  Put(kLedsBitmap);
  Put(kStartOnBitmap);
  SkinBitmaps bitmaps = FindSkinBitmaps(exe_);
  EXPECT_FALSE(bitmaps.buttonUp);
  EXPECT_FALSE(bitmaps.buttonDown);
  EXPECT_EQ(bitmaps.leds, (root_ / "Skin" / "Leds.bmp").string());
  EXPECT_EQ(bitmaps.startOn, (root_ / "Skin" / "btnStartOn.bmp").string());
  EXPECT_FALSE(bitmaps.startOff);
  EXPECT_FALSE(bitmaps.mainForm);

  Put(kButtonDownBitmap);
  Put(kMainFormBitmap);
  bitmaps = FindSkinBitmaps(exe_);
  EXPECT_EQ(bitmaps.buttonUp, (root_ / "Skin" / "BtnUp.bmp").string());
  EXPECT_EQ(bitmaps.buttonDown, (root_ / "Skin" / "BtnDn.bmp").string());
  EXPECT_TRUE(bitmaps.mainForm);
}

// Large pictures count only beside a picture that is used; the mode
// buttons' again only as a pair.
TEST_F(SkinFolderTest, LargePicturesSitBesideTheOnesUsed) {
  Put(kMainFormBitmap);
  Put("MainForm@2x.bmp");
  Put(kButtonUpBitmap);
  Put(kButtonDownBitmap);
  Put("BtnUp@2x.bmp");
  Put("Leds@2x.bmp");  // no Leds.bmp
  const SkinBitmaps large = FindLargeSkinBitmaps(FindSkinBitmaps(exe_));
  EXPECT_EQ(large.mainForm, (root_ / "Skin" / "MainForm@2x.bmp").string());
  EXPECT_FALSE(large.buttonUp);
  EXPECT_FALSE(large.buttonDown);
  EXPECT_FALSE(large.leds);
  Put("BtnDn@2x.bmp");
  EXPECT_EQ(FindLargeSkinBitmaps(FindSkinBitmaps(exe_)).buttonDown,
            (root_ / "Skin" / "BtnDn@2x.bmp").string());
}

}  // namespace
}  // namespace haltwise
