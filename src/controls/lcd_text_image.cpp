#include "controls/lcd_text_image.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace haltwise {

namespace {

// The font's own style is dropped; each enabled effect marked on the cell adds its style.
FontSpec CellFont(const FontSpec& font, const LcdCell& cell, TSpecialEffects effects) {
  FontSpec cellFont = font;
  const auto marked = [&](std::uint8_t bit, TSpecialEffect effect) {
    return (cell.attributes & bit) != 0 && effects.Contains(effect);
  };
  cellFont.underline = marked(lcd_attribute::kUnderline, TSpecialEffect::spUnderline);
  cellFont.strikeOut = marked(lcd_attribute::kStrike, TSpecialEffect::spStrike);
  cellFont.bold = marked(lcd_attribute::kBold, TSpecialEffect::spBold);
  cellFont.italic = marked(lcd_attribute::kItalic, TSpecialEffect::spItalic);
  return cellFont;
}

bool DrawnInverse(const LcdCell& cell, const LcdTextStyle& style) {
  const bool blinkOn = (cell.attributes & lcd_attribute::kBlink) != 0 &&
                       style.effects.Contains(TSpecialEffect::spBlink) && style.blinkPhase;
  const bool inverse = (cell.attributes & lcd_attribute::kInverse) != 0 &&
                       style.effects.Contains(TSpecialEffect::spInverse);
  return blinkOn || inverse;
}

Bitmap1 BuildLine(const std::vector<LcdCell>& cells, const LcdTextStyle& style,
                  LcdGlyphCache& glyphCache) {
  if (cells.empty()) return Bitmap1(0, std::abs(style.font.height));
  // Every glyph first, then one image of their joint size: growing the line
  // glyph by glyph would copy it once per character.
  std::vector<Bitmap1> glyphs;
  glyphs.reserve(cells.size());
  int width = 0, height = 0;
  for (const LcdCell& cell : cells) {
    const FontSpec cellFont = CellFont(style.font, cell, style.effects);
    Bitmap1 glyph = glyphCache.Glyph(cellFont, cell.character);
    if (DrawnInverse(cell, style)) glyph.Invert();
    width += glyph.Width();
    height = std::max(height, glyph.Height());
    glyphs.push_back(std::move(glyph));
  }
  Bitmap1 line(width, height);
  int x = 0;
  for (const Bitmap1& glyph : glyphs) {
    line.Blit(x, 0, glyph, Bitmap1::Blend::kReplace);
    x += glyph.Width();
  }
  return line;
}

}  // namespace

Bitmap1 BuildLcdTextImage(const LcdCellTable& cells, int lineCount, const LcdTextStyle& style,
                          LcdGlyphCache& glyphCache) {
  // As for a line: the lines first, then one image for all of them.
  std::vector<Bitmap1> lines;
  int width = 0, height = 0;
  const int rows = std::min(lineCount, LcdCellTable::kRows);
  for (int row = 0; row < rows; ++row) {
    Bitmap1 line = BuildLine(cells.RowCells(row), style, glyphCache);
    width = std::max(width, line.Width());
    height += line.Height();
    lines.push_back(std::move(line));
  }
  Bitmap1 image(width, height);
  int y = 0;
  for (const Bitmap1& line : lines) {
    image.Blit(0, y, line, Bitmap1::Blend::kReplace);
    y += line.Height();
  }
  return image;
}

}  // namespace haltwise
