#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/ini_file_profile.h"
#include "platform/win32/win32_private_profile.h"

namespace haltwise {
namespace {

namespace fs = std::filesystem;

// The portable ini reader must read every file as the Windows functions do.
class PrivateProfileParityTest : public ::testing::Test {
 protected:
  PrivateProfileParityTest()
      : path_((fs::temp_directory_path() / "haltwise_parity.ini").string()) {}
  ~PrivateProfileParityTest() override { fs::remove(path_); }

  void Write(const std::string& content) { std::ofstream(path_, std::ios::binary) << content; }

  std::string path_;
  Win32PrivateProfile windows;
  IniFileProfile portable;
};

TEST_F(PrivateProfileParityTest, ValuesReadTheSame) {
  const char* const values[] = {"12",
                                "12abc",
                                "abc",
                                "",
                                "  ",
                                "  7",
                                "-5",
                                "+5",
                                "1 2",
                                "1f",
                                "012",
                                "0x1F",
                                "0X1F",
                                "0x",
                                "x10",
                                "$10",
                                "0b101",
                                "0o17",
                                "  -0x10",
                                "'12'",
                                "\"12\"",
                                "0x7fffffff",
                                "-2147483649",
                                "4294967296",
                                "99999999999",
                                "1234567890123456789012345678901234",
                                " spaced value  ",
                                "'quoted'",
                                "\"  inner  \"",
                                "'a'b'",
                                "\"\"",
                                "\"unbalanced",
                                "'mixed\"",
                                "'",
                                "a=b"};
  for (const char* value : values) {
    SCOPED_TRACE(value);
    Write(std::string("[S]\r\nk=") + value + "\r\n");
    EXPECT_EQ(portable.GetInt("S", "k", 77, path_), windows.GetInt("S", "k", 77, path_));
    EXPECT_EQ(portable.GetString("S", "k", "DEF", path_),
              windows.GetString("S", "k", "DEF", path_));
  }
}

TEST_F(PrivateProfileParityTest, SectionsAndKeysAreFoundTheSame) {
  Write(
      "top=1\r\n ; comment\r\n[ Sec One ]\r\n  Key One  =  v1  \r\nnovalue\r\nk=first\r\n"
      "K=second\r\n;c=3\r\n[sec one]\r\nk=third\r\nz=4\r\n[Other]\nlf=yes\n");
  const std::pair<const char*, const char*> lookups[] = {
      {"sec one", "KEY ONE"}, {"SEC ONE", "k"}, {"Sec One", "z"}, {"Sec One", "novalue"},
      {"Sec One", ";c"},      {"other", "LF"},  {"", "top"},      {"missing", "k"}};
  for (const auto& [section, key] : lookups) {
    SCOPED_TRACE(std::string(section) + "/" + key);
    EXPECT_EQ(portable.GetString(section, key, "D", path_),
              windows.GetString(section, key, "D", path_));
  }
  EXPECT_EQ(portable.GetString("x", "y", "  def  ", path_),
            windows.GetString("x", "y", "  def  ", path_));
}

TEST_F(PrivateProfileParityTest, WhatOneWritesTheOtherReads) {
  ASSERT_TRUE(windows.WriteString("Custom", "Minutes", " 10 ", path_));
  ASSERT_TRUE(portable.WriteString("custom", "ValueMax", "20", path_));
  EXPECT_EQ(windows.GetInt("Custom", "ValueMax", 0, path_), 20);
  EXPECT_EQ(portable.GetInt("Custom", "Minutes", 0, path_), 10);
  EXPECT_EQ(windows.GetString("Custom", "Minutes", "", path_), "10");
}

TEST(Win32PrivateProfile, LongValuesAreReadWhole) {
  const std::string path = (fs::temp_directory_path() / "haltwise_long.ini").string();
  const std::string value(1000, 'v');
  Win32PrivateProfile windows;
  ASSERT_TRUE(windows.WriteString("S", "k", value, path));
  EXPECT_EQ(windows.GetString("S", "k", "", path), value);
  fs::remove(path);
}

TEST(Win32PrivateProfile, WritingIntoAMissingFolderFails) {
  const std::string path =
      (fs::temp_directory_path() / "haltwise no such folder" / "x.ini").string();
  EXPECT_FALSE(Win32PrivateProfile().WriteString("S", "k", "v", path));
}

}  // namespace
}  // namespace haltwise
