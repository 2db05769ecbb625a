#include "ui/win32/ui_fonts.h"

#include <cstring>

namespace haltwise {

FontSpec UiFontSpec(bool bold) {
  FontSpec fontSpec;
  // A raster-style face: its glyphs stay inside their advance, so captions
  // drawn in software are never clipped at the right.
  fontSpec.name = "MS Sans Serif";
  fontSpec.height = -11;
  fontSpec.bold = bold;
  return fontSpec;
}

FontSpec SplashTitleFontSpec() {
  FontSpec fontSpec = UiFontSpec(true);
  fontSpec.height = -26;
  return fontSpec;
}

UniqueFont CreateUiFont(const FontSpec& fontSpec) {
  LOGFONTA lf{};
  lf.lfHeight = fontSpec.height;
  lf.lfWeight = fontSpec.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = fontSpec.italic;
  lf.lfUnderline = fontSpec.underline;
  lf.lfStrikeOut = fontSpec.strikeOut;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  std::strncpy(lf.lfFaceName, fontSpec.name.c_str(), LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectA(&lf));
}

void UiFontSet::Create(DpiScale scale) {
  scale_ = scale;
  fonts_[static_cast<int>(UiFontRole::kNormal)] = CreateUiFont(scale(UiFontSpec(false)));
  fonts_[static_cast<int>(UiFontRole::kBold)] = CreateUiFont(scale(UiFontSpec(true)));
  fonts_[static_cast<int>(UiFontRole::kTitle)] = CreateUiFont(scale(SplashTitleFontSpec()));
}

int MeasureTextWidth(HFONT font, const char* text) {
  HDC screen = GetDC(nullptr);
  SIZE size{};
  {
    SelectedObject selected(screen, font);
    GetTextExtentPoint32A(screen, text, static_cast<int>(std::strlen(text)), &size);
  }
  ReleaseDC(nullptr, screen);
  return size.cx;
}

}  // namespace haltwise
