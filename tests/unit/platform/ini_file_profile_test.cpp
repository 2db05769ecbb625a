#include "platform/ini_file_profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace haltwise {
namespace {

namespace fs = std::filesystem;

class IniFileProfileTest : public ::testing::Test {
 protected:
  IniFileProfileTest() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() / (std::string("haltwise_ini_") + info->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  ~IniFileProfileTest() override { fs::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
  std::string File(const std::string& content) {
    const std::string path = PathOf("test.ini");
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }
  static std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), {});
  }

  IniFileProfile profile;
  fs::path folder_;
};

// What GetPrivateProfileInt gives for each value text (checked against the
// Windows functions in the Windows test ring).
TEST_F(IniFileProfileTest, IntegersAreReadAsGetPrivateProfileIntReadsThem) {
  const std::pair<const char*, int> cases[] = {
      {"12", 12},
      {"12abc", 12},
      {"abc", 0},
      {"", 77},
      {"  ", 77},
      {"  7", 7},
      {"-5", -5},
      {"+5", 5},
      {"1 2", 1},
      {"1f", 1},
      {"012", 12},
      {"0x1F", 31},
      {"0X1F", 0},
      {"0x", 0},
      {"x10", 0},
      {"$10", 0},
      {"0b101", 5},
      {"0o17", 15},
      {"  -0x10", -16},
      {"'12'", 12},
      {"0x7fffffff", 2147483647},
      {"-2147483649", 2147483647},
      {"4294967296", 0},
      {"99999999999", 1215752191},
      {"1234567890123456789012345678901234", 1849262357},  // only 29 characters count
  };
  for (const auto& [text, expected] : cases) {
    const std::string path = File(std::string("[S]\r\nk=") + text + "\r\n");
    EXPECT_EQ(profile.GetInt("S", "k", 77, path), expected) << '"' << text << '"';
  }
  EXPECT_EQ(profile.GetInt("S", "missing", 77, File("[S]\r\n")), 77);
}

TEST_F(IniFileProfileTest, ValuesAreTrimmedAndLoseOnePairOfMatchingQuotes) {
  const std::pair<const char*, const char*> cases[] = {
      {" spaced value  ", "spaced value"},
      {"'quoted'", "quoted"},
      {"\"q\"", "q"},
      {"\"  inner  \"", "  inner  "},
      {"'a'b'", "a'b"},
      {"\"\"", ""},
      {"\"unbalanced", "\"unbalanced"},
      {"'mixed\"", "'mixed\""},
      {"'", "'"},
      {"a=b", "a=b"},
  };
  for (const auto& [text, expected] : cases) {
    const std::string path = File(std::string("[S]\r\nk=") + text + "\r\n");
    EXPECT_EQ(profile.GetString("S", "k", "DEF", path), expected) << text;
  }
}

TEST_F(IniFileProfileTest, NamesAreTrimmedCaseInsensitiveAndTheFirstMatchWins) {
  const std::string path = File(
      "top=1\r\n ; comment\r\n[ Sec One ]\r\n  Key One  =  v1  \r\nnovalue\r\nk=first\r\n"
      "K=second\r\n;c=3\r\n[sec one]\r\nk=third\r\nz=4\r\n[Other]\nlf=yes\n");
  EXPECT_EQ(profile.GetString("sec one", "KEY ONE", "D", path), "v1");
  EXPECT_EQ(profile.GetString("SEC ONE", "k", "D", path), "first");
  EXPECT_EQ(profile.GetString("Sec One", "z", "D", path), "D");  // only the first section counts
  EXPECT_EQ(profile.GetString("Sec One", "novalue", "D", path), "D");
  EXPECT_EQ(profile.GetString("Sec One", ";c", "D", path), "3");
  EXPECT_EQ(profile.GetString("other", "LF", "D", path), "yes");
  EXPECT_EQ(profile.GetString("", "top", "D", path), "1");
  EXPECT_EQ(profile.GetString("x", "y", "  def  ", path), "  def");
}

TEST_F(IniFileProfileTest, MissingFileReadsAsDefaultsAndIsCreatedOnWrite) {
  const std::string path = PathOf("Haltwise.ini");
  EXPECT_EQ(profile.GetString("Custom", "Minutes", "3", path), "3");
  EXPECT_EQ(profile.GetInt("Custom", "Minutes", 3, path), 3);
  ASSERT_TRUE(profile.WriteString("Custom", "Minutes", "5", path));
  EXPECT_EQ(Read(path), "[Custom]\r\nMinutes=5\r\n");
  EXPECT_EQ(profile.GetInt("custom", "minutes", 3, path), 5);
}

TEST_F(IniFileProfileTest, WritingChangesOnlyItsOwnLine) {
  const std::string path = File(
      "; settings\r\n[Colors]\r\nTitle = $00FFFFFF \r\n\r\n[Custom]\r\nminutes=3\r\n"
      "ValueMin=1\r\n\r\n[Other]\r\nx=1\r\n");
  ASSERT_TRUE(profile.WriteString("CUSTOM", "Minutes", " 10 ", path));
  ASSERT_TRUE(profile.WriteString("Custom", "ValueMax", "20", path));
  ASSERT_TRUE(profile.WriteString("New", "n", "1", path));
  EXPECT_EQ(Read(path),
            "; settings\r\n[Colors]\r\nTitle = $00FFFFFF \r\n\r\n[Custom]\r\nminutes=10\r\n"
            "ValueMin=1\r\nValueMax=20\r\n\r\n[Other]\r\nx=1\r\n[New]\r\nn=1\r\n");
  EXPECT_EQ(profile.GetString("Colors", "Title", "", path), "$00FFFFFF");
}

TEST_F(IniFileProfileTest, WriteIntoAMissingFolderFailsAndLeavesNothing) {
  const std::string path = PathOf("no such folder/Haltwise.ini");
  EXPECT_FALSE(profile.WriteString("Custom", "Minutes", "3", path));
  EXPECT_FALSE(fs::exists(folder_ / "no such folder"));
}

}  // namespace
}  // namespace haltwise
