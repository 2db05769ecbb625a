#include "config/skin_files.h"

#include <filesystem>

#include "config/exe_folder.h"
#include "platform/file_path.h"

namespace haltwise {
namespace {

std::optional<std::string> IfExists(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_regular_file(Utf8Path(path), error)) return path;
  return std::nullopt;
}

// "MainForm.bmp" -> "MainForm@2x.bmp".
std::optional<std::string> LargeBeside(const std::optional<std::string>& path) {
  if (!path) return std::nullopt;
  const std::size_t dot = path->rfind('.');
  return IfExists(path->substr(0, dot) + "@2x" +
                  (dot == std::string::npos ? "" : path->substr(dot)));
}

}  // namespace

std::string SkinFolder(const std::string& exePath) { return PathBesideExe(exePath, "Skin\\"); }

std::string SkinColorsFile(const std::string& exePath) {
  return PathBesideExe(exePath, "Skin\\Colors.ini");
}

SkinBitmaps FindSkinBitmaps(const std::string& exePath) {
  const std::string folder = SkinFolder(exePath);
  SkinBitmaps bitmaps;
  bitmaps.mainForm = IfExists(folder + kMainFormBitmap);
  bitmaps.buttonUp = IfExists(folder + kButtonUpBitmap);
  bitmaps.buttonDown = IfExists(folder + kButtonDownBitmap);
  if (!bitmaps.buttonUp || !bitmaps.buttonDown)
    bitmaps.buttonUp = bitmaps.buttonDown = std::nullopt;
  bitmaps.leds = IfExists(folder + kLedsBitmap);
  bitmaps.startOff = IfExists(folder + kStartOffBitmap);
  bitmaps.startOn = IfExists(folder + kStartOnBitmap);
  return bitmaps;
}

SkinBitmaps FindLargeSkinBitmaps(const SkinBitmaps& used) {
  SkinBitmaps large;
  large.mainForm = LargeBeside(used.mainForm);
  large.buttonUp = LargeBeside(used.buttonUp);
  large.buttonDown = LargeBeside(used.buttonDown);
  if (!large.buttonUp || !large.buttonDown) large.buttonUp = large.buttonDown = std::nullopt;
  large.leds = LargeBeside(used.leds);
  large.startOff = LargeBeside(used.startOff);
  large.startOn = LargeBeside(used.startOn);
  return large;
}

}  // namespace haltwise
