#include "ui/win32/ui_fonts.h"

#include <algorithm>

#include "platform/win32/wide_text.h"

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
  LOGFONTW lf{};
  lf.lfHeight = fontSpec.height;
  lf.lfWeight = fontSpec.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = fontSpec.italic;
  lf.lfUnderline = fontSpec.underline;
  lf.lfStrikeOut = fontSpec.strikeOut;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  const std::wstring face = Widen(fontSpec.name);
  std::copy_n(face.data(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), lf.lfFaceName);
  return UniqueFont(CreateFontIndirectW(&lf));
}

void UiFontSet::Create(DpiScale scale) {
  scale_ = scale;
  fonts_[static_cast<int>(UiFontRole::kNormal)] = CreateUiFont(scale(UiFontSpec(false)));
  fonts_[static_cast<int>(UiFontRole::kBold)] = CreateUiFont(scale(UiFontSpec(true)));
  fonts_[static_cast<int>(UiFontRole::kTitle)] = CreateUiFont(scale(SplashTitleFontSpec()));
}

int MeasureTextWidth(HFONT font, const std::string& text) {
  const std::wstring wide = Widen(text);
  HDC screen = GetDC(nullptr);
  SIZE size{};
  {
    SelectedObject selected(screen, font);
    GetTextExtentPoint32W(screen, wide.data(), static_cast<int>(wide.size()), &size);
  }
  ReleaseDC(nullptr, screen);
  return size.cx;
}

}  // namespace haltwise
