#pragma once
#include "gfx/font_rasteriser.h"

namespace haltwise {

// A small built-in 5 x 7 bitmap font for headless runs, whatever the font's
// name. Every character advances 6 pixels (one more when bold, one more
// when italic). The cell is |height| pixels high, at least 9 (12 for the
// default height 0); the glyph's 7 rows sit above one descent row, so a
// 9-pixel cell has one blank row on top. Underline is the descent row,
// strike-out the glyph's middle row.
class BuiltinFontRasteriser : public FontRasteriser {
 public:
  TextSize MeasureText(const FontSpec& font, std::string_view text) override;
  Bitmap1 RenderText(const FontSpec& font, std::string_view text) override;

  static int CellHeight(const FontSpec& font);
  static int Advance(const FontSpec& font);
};

}  // namespace haltwise
