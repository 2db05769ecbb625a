#pragma once
#include <array>
#include <string>

#include "platform/color.h"
#include "platform/private_profile.h"

namespace haltwise {

// A colour written as hexadecimal text ("$00BBGGRR", the "$" optional).
// A text that is not a number, the empty text included, gives black.
// Values with a non-zero top byte pass through as system colour codes.
Color ColorFromHexText(const std::string& text);

// The sixteen colours of a skin, each under the name of its key in
// "Colors.ini". The initial values are the colours without a skin.
struct SkinColors {
  Color Title = 0x00FFFFFF;
  Color ButtonsCaptionInactive = 0x00FF8080;
  Color ButtonsCaptionActive = 0x000000FF;
  Color Text = 0x00FFFFFF;
  Color EditBox = 0x00CC9B6F;
  Color EditBoxText = 0x00000000;
  Color LedsCaption = 0x00CC9B6F;
  Color PanelBackground = 0x00009999;
  Color FormBackground = 0x00660000;
  Color StatusText = 0x00FFFFFF;
  Color DigitPixelOn = 0x00009900;
  Color DigitPixelOff = 0x00222222;
  Color DigitsBack = 0x00040404;
  Color CPUBackground = 0x004A0000;
  Color CPUForeground = 0x000000FF;
  Color CPUText = 0x00CC9B6F;
};

struct SkinColorKey {
  const char* name;
  const char* defaultText;
  Color SkinColors::*color;
};

// The keys in the order they are read, with the default texts.
extern const std::array<SkinColorKey, 16> kSkinColorKeys;

inline constexpr char kSkinColorsSection[] = "Colors";

// Reads every key of section "Colors" of `colorsFile` in table order; a
// missing file, section or key gives the default text.
SkinColors ReadSkinColors(PrivateProfile& profile, const std::string& colorsFile);

}  // namespace haltwise
