#include "config/skin_colors.h"

#include "platform/text.h"

namespace haltwise {

const std::array<SkinColorKey, 16> kSkinColorKeys = {{
    {"Title", "$00FFFFFF", &SkinColors::Title},
    {"ButtonsCaptionInactive", "$00FF8080", &SkinColors::ButtonsCaptionInactive},
    {"ButtonsCaptionActive", "$000000FF", &SkinColors::ButtonsCaptionActive},
    {"Text", "$00FFFFFF", &SkinColors::Text},
    {"EditBox", "$00CC9B6F", &SkinColors::EditBox},
    {"EditBoxText", "$00000000", &SkinColors::EditBoxText},
    {"LedsCaption", "$00CC9B6F", &SkinColors::LedsCaption},
    {"PanelBackground", "$00009999", &SkinColors::PanelBackground},
    {"FormBackground", "$00660000", &SkinColors::FormBackground},
    {"StatusText", "$00FFFFFF", &SkinColors::StatusText},
    {"DigitPixelOn", "$00009900", &SkinColors::DigitPixelOn},
    {"DigitPixelOff", "$00222222", &SkinColors::DigitPixelOff},
    {"DigitsBack", "$00040404", &SkinColors::DigitsBack},
    {"CPUBackground", "$004A0000", &SkinColors::CPUBackground},
    {"CPUForeground", "$000000FF", &SkinColors::CPUForeground},
    {"CPUText", "$00CC9B6F", &SkinColors::CPUText},
}};

Color ColorFromHexText(const std::string& text) {
  const std::string number = text.find('$') == std::string::npos ? "$" + text : text;
  return static_cast<Color>(TryStrToInt(number).value_or(0));
}

SkinColors ReadSkinColors(PrivateProfile& profile, const std::string& colorsFile) {
  SkinColors colors;
  for (const SkinColorKey& key : kSkinColorKeys) {
    colors.*key.color = ColorFromHexText(
        profile.GetString(kSkinColorsSection, key.name, key.defaultText, colorsFile));
  }
  return colors;
}

}  // namespace haltwise
