#include "ui/win32/ui_fonts.h"

#include <cstring>

namespace haltwise {

FontSpec UiFontSpec(bool bold) {
  FontSpec spec;
  // A raster-style face: its glyphs stay inside their advance, so captions
  // drawn in software are never clipped at the right.
  spec.name = "MS Sans Serif";
  spec.height = -11;
  spec.bold = bold;
  return spec;
}

FontSpec SplashTitleFontSpec() {
  FontSpec spec = UiFontSpec(true);
  spec.height = -26;
  return spec;
}

UniqueFont CreateUiFont(const FontSpec& spec) {
  LOGFONTA lf{};
  lf.lfHeight = spec.height;
  lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = spec.italic;
  lf.lfUnderline = spec.underline;
  lf.lfStrikeOut = spec.strikeOut;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  std::strncpy(lf.lfFaceName, spec.name.c_str(), LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectA(&lf));
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
