#pragma once
#include "controls/lcd_colors.h"
#include "controls/lcd_types.h"
#include "gfx/bitmap1.h"
#include "gfx/bitmap32.h"
#include "gfx/font_rasteriser.h"
#include "gfx/system_colors.h"

namespace haltwise {

struct LcdDotStyle {
  int width = 2;
  int height = 2;
  int spacing = 1;
  TPixelShape shape = TPixelShape::psSquare;
  LcdDotColors colors;
  Color background = clBlack;  // the gaps between dots
};

// Draws the dot matrix into an area of the given size filled with the
// background: dot (x, y) at (x * horizontal pitch, y * vertical pitch).
// Unlit dots come from one row strip built by doubling; only lit dots are
// drawn one by one, and bytes of eight unlit dots are skipped whole.
Bitmap32 RenderLcdDots(const Bitmap1& matrix, const LcdDotStyle& style, int areaWidth,
                       int areaHeight, const SystemColors& colors, FontRasteriser& fonts);

}  // namespace haltwise
