#pragma once
#include "controls/lcd_cell_table.h"
#include "controls/lcd_glyph_cache.h"
#include "controls/lcd_types.h"
#include "gfx/bitmap1.h"
#include "gfx/font.h"

namespace haltwise {

struct LcdTextStyle {
  FontSpec font;
  TSpecialEffects effects;
  bool blinkPhase = false;
};

// The LCD's text as one-bit image, one font pixel per dot: each stored
// character of the first `lineCount` rows rasterised on its own, black ink
// on white (inverse for inverse-marked, and for blink-marked ones in the
// lit blink phase), set side by side; lines stacked top to bottom. A row
// without characters is |font height| high and 0 wide. Glyphs come from
// the cache.
Bitmap1 BuildLcdTextImage(const LcdCellTable& cells, int lineCount, const LcdTextStyle& style,
                          LcdGlyphCache& glyphCache);

}  // namespace haltwise
