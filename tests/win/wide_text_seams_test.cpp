// The program's UTF-8 text at the seams with the wide Windows calls: names
// outside the ANSI code page go in and come back unchanged.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "config/settings_file.h"
#include "config/skin_files.h"
#include "gfx/bmp.h"
#include "platform/file_path.h"
#include "platform/utf16_text.h"
#include "platform/win32/gdi_font_rasteriser.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_private_profile.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/windows_api.h"

namespace haltwise {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// "Тест 測試": Cyrillic and CJK letters, in no ANSI code page together.
const std::string kFolderName = "\xD0\xA2\xD0\xB5\xD1\x81\xD1\x82 \xE6\xB8\xAC\xE8\xA9\xA6";
// "Сетевой адаптер 以太网 😀": a surrogate pair too.
const std::string kInstanceName =
    "\xD0\xA1\xD0\xB5\xD1\x82\xD0\xB5\xD0\xB2\xD0\xBE\xD0\xB9 \xD0\xB0\xD0\xB4\xD0\xB0\xD0\xBF"
    "\xD1\x82\xD0\xB5\xD1\x80 \xE4\xBB\xA5\xE5\xA4\xAA\xE7\xBD\x91 \xF0\x9F\x98\x80";

std::string FileBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// The conversions agree with the system's own on well-formed text.
TEST(WideText, AgreesWithTheSystemsUtf8CodePage) {
  for (const std::string& text :
       {std::string(), std::string("Haltwise"), kFolderName, kInstanceName}) {
    SCOPED_TRACE(text);
    const std::wstring wide = Widen(text);
    std::wstring system(static_cast<std::size_t>(text.size()), L'\0');
    system.resize(static_cast<std::size_t>(MultiByteToWideChar(
        CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), system.data(),
        static_cast<int>(system.size()))));
    EXPECT_EQ(wide, system);
    EXPECT_EQ(Narrow(wide), text);
  }
}

// A folder named outside the ANSI code page, standing for the executable's.
class UnicodeFolderTest : public ::testing::Test {
 protected:
  UnicodeFolderTest() : root_(fs::temp_directory_path() / Utf8Path(kFolderName)) {
    fs::remove_all(root_);
    fs::create_directories(root_ / "Skin");
    exe_ = PathText(root_ / "Haltwise.exe");
  }
  ~UnicodeFolderTest() override { fs::remove_all(root_); }

  fs::path root_;
  std::string exe_;
  Win32PrivateProfile profile_;
};

// A new Haltwise.ini has exactly the bytes the ANSI calls wrote, and a file
// written that way loads.
TEST_F(UnicodeFolderTest, SettingsAreWrittenBesideTheExecutableInTheirOldFormat) {
  const SettingsFile settings(profile_, SettingsFilePath(exe_));
  settings.WriteInt(kMinutes, 5);
  settings.WriteInt(kValueMax, -20);
  EXPECT_EQ(FileBytes(root_ / "Haltwise.ini"), "[Custom]\r\nMinutes=5\r\nValueMax=-20\r\n");

  std::ofstream(root_ / "Haltwise.ini", std::ios::binary)
      << "[Custom]\r\nPerformanceObject=238\r\nMinutes=7\r\n";
  EXPECT_EQ(settings.ReadInt(kPerformanceObject), 238);
  EXPECT_EQ(settings.ReadInt(kMinutes), 7);
  EXPECT_EQ(settings.ReadInt(kValueMin), kValueMin.defaultValue);
}

// A name outside the ANSI code page is stored whole, in a new file and in
// one an older version wrote in ANSI, whose values all survive.
TEST_F(UnicodeFolderTest, NamesOutsideTheAnsiCodePageAreStoredWhole) {
  const std::string path = PathText(root_ / "Haltwise.ini");
  ASSERT_TRUE(profile_.WriteString("Custom", "PerformanceInstanceName", kInstanceName, path));
  EXPECT_EQ(profile_.GetString("Custom", "PerformanceInstanceName", "", path), kInstanceName);
  EXPECT_TRUE(FileBytes(root_ / "Haltwise.ini").starts_with("\xFF\xFE"));

  std::ofstream(root_ / "Haltwise.ini", std::ios::binary)
      << "[Custom]\r\nPerformanceObject=238\r\nPerformanceObjectName=Caf\xE9\r\n";
  ASSERT_TRUE(profile_.WriteString("Custom", "PerformanceInstanceName", kInstanceName, path));
  EXPECT_EQ(profile_.GetString("Custom", "PerformanceInstanceName", "", path), kInstanceName);
  EXPECT_EQ(profile_.GetInt("Custom", "PerformanceObject", 0, path), 238);
  EXPECT_EQ(profile_.GetString("Custom", "PerformanceObjectName", "", path), "Caf\xC3\xA9");
  EXPECT_FALSE(fs::exists(root_ / "Haltwise.ini.new"));
}

// A Colors.ini saved as UTF-16 (as Notepad does) reads as UTF-8 text.
TEST_F(UnicodeFolderTest, TextOfAUtf16IniFileComesBackAsUtf8) {
  const std::u16string content =
      u"\uFEFF[Names]\r\nAdapter=" + Utf8ToUtf16(kInstanceName) + u"\r\n";
  std::ofstream(root_ / "Skin" / "Colors.ini", std::ios::binary)
      .write(reinterpret_cast<const char*>(content.data()),
             static_cast<std::streamsize>(content.size() * sizeof(char16_t)));
  EXPECT_EQ(profile_.GetString("Names", "Adapter", "", SkinColorsFile(exe_)), kInstanceName);
}

TEST_F(UnicodeFolderTest, SkinBitmapsAreFoundAndRead) {
  Bitmap32 picture(3, 2, 0x123456);
  WriteBmpFile(picture, PathText(root_ / "Skin" / kMainFormBitmap));
  const SkinBitmaps found = FindSkinBitmaps(exe_);
  ASSERT_TRUE(found.mainForm.has_value());
  const Bitmap32 read = ReadBmpFile(*found.mainForm);
  EXPECT_EQ(read.Width(), 3);
  EXPECT_EQ(read.Pixel(2, 1), 0x123456u);
}

// Key names and text values in UTF-8, with the sizes of their UTF-8 form.
TEST(Win32RegistryText, NamesAndTextValuesComeBackAsUtf8) {
  const std::wstring parent = L"SOFTWARE\\Haltwise Tests\\Wide";
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, parent.c_str());
  HKEY child = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (parent + L"\\" + Widen(kFolderName)).c_str(), 0,
                            nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr),
            ERROR_SUCCESS);
  // A multi-string of CJK letters: its UTF-8 form is larger than its UTF-16 one.
  // "2", "处理器时间" (processor time).
  const std::wstring titles = Widen(
      "2\0"
      "\xE5\xA4\x84\xE7\x90\x86\xE5\x99\xA8\xE6\x97\xB6\xE9\x97\xB4\0\0"s);
  ASSERT_EQ(RegSetValueExW(child, L"Counter", 0, REG_MULTI_SZ,
                           reinterpret_cast<const BYTE*>(titles.data()),
                           static_cast<DWORD>(titles.size() * sizeof(wchar_t))),
            ERROR_SUCCESS);
  RegCloseKey(child);

  Win32Registry registry;
  ScopedRegKey key(registry);
  ASSERT_EQ(
      registry.OpenKeyEx(win::kHKeyLocalMachine, Narrow(parent), win::kKeyRead, key.Receive()),
      win::kErrorSuccess);
  char name[64];
  std::uint32_t nameSize = 5;  // too small for the name's UTF-8 bytes
  EXPECT_EQ(registry.EnumKeyEx(key.Get(), 0, name, &nameSize), win::kErrorMoreData);
  nameSize = sizeof name;
  ASSERT_EQ(registry.EnumKeyEx(key.Get(), 0, name, &nameSize), win::kErrorSuccess);
  EXPECT_EQ(std::string(name, nameSize), kFolderName);

  ASSERT_EQ(registry.OpenKeyEx(win::kHKeyLocalMachine, Narrow(parent) + "\\" + kFolderName,
                               win::kKeyRead, key.Receive()),
            win::kErrorSuccess);
  const std::string expected = Narrow(titles);
  std::uint32_t largest = 0;
  ASSERT_EQ(registry.QueryInfoKey(key.Get(), &largest), win::kErrorSuccess);
  EXPECT_GE(largest, expected.size());
  std::uint32_t size = 0;
  ASSERT_EQ(registry.QueryValueEx(key.Get(), "Counter", nullptr, &size), win::kErrorSuccess);
  EXPECT_EQ(size, expected.size());
  std::string data(size, '\0');
  size = 4;
  EXPECT_EQ(registry.QueryValueEx(key.Get(), "Counter",
                                  reinterpret_cast<std::uint8_t*>(data.data()), &size),
            win::kErrorMoreData);
  size = static_cast<std::uint32_t>(data.size());
  ASSERT_EQ(registry.QueryValueEx(key.Get(), "Counter",
                                  reinterpret_cast<std::uint8_t*>(data.data()), &size),
            win::kErrorSuccess);
  EXPECT_EQ(data, expected);
  key.Close();
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, parent.c_str());
}

// Text is measured and drawn by characters, not by bytes.
TEST(GdiFontRasteriserText, MeasuresTheWideText) {
  GdiFontRasteriser fonts;
  const FontSpec font{"Tahoma", -11};
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT handle = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma");
  HGDIOBJ previous = SelectObject(dc, handle);
  const std::wstring wide = Widen(kFolderName);
  SIZE expected{};
  GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &expected);
  SelectObject(dc, previous);
  DeleteObject(handle);
  DeleteDC(dc);
  EXPECT_EQ(fonts.MeasureText(font, kFolderName).width, expected.cx);
  EXPECT_EQ(fonts.RenderText(font, kFolderName).Width(), expected.cx);
}

}  // namespace
}  // namespace haltwise
