#pragma once
#include <optional>
#include <string>

namespace haltwise {

// The skin folder: "Skin\" beside the executable.
std::string SkinFolder(const std::string& exePath);
// Its colour file, "Skin\Colors.ini".
std::string SkinColorsFile(const std::string& exePath);

inline constexpr char kMainFormBitmap[] = "MainForm.bmp";
inline constexpr char kButtonUpBitmap[] = "BtnUp.bmp";
inline constexpr char kButtonDownBitmap[] = "BtnDn.bmp";
inline constexpr char kLedsBitmap[] = "Leds.bmp";
inline constexpr char kStartOffBitmap[] = "btnStartOff.bmp";
inline constexpr char kStartOnBitmap[] = "btnStartOn.bmp";

// The full paths of the skin's bitmaps that are to be loaded; none where
// the built-in picture stays. A bitmap is used when its file exists, but
// the mode buttons' two images only as a pair.
struct SkinBitmaps {
  std::optional<std::string> mainForm;
  std::optional<std::string> buttonUp;
  std::optional<std::string> buttonDown;
  std::optional<std::string> leds;
  std::optional<std::string> startOff;
  std::optional<std::string> startOn;
};

SkinBitmaps FindSkinBitmaps(const std::string& exePath);

// A skin's pictures for 200 % displays: beside each bitmap that is used,
// the same name with "@2x" before ".bmp" (MainForm@2x.bmp), drawn twice as
// large. Each one is optional; the mode buttons' again only as a pair.
SkinBitmaps FindLargeSkinBitmaps(const SkinBitmaps& used);

}  // namespace haltwise
