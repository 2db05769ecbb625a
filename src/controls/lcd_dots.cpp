#include "controls/lcd_dots.h"

#include "gfx/canvas.h"

namespace haltwise {

namespace {

Bitmap32 LitDot(const LcdDotStyle& style, const SystemColors& colors, FontRasteriser& fonts) {
  Bitmap32 dot(style.width, style.height, style.colors.off);
  Canvas canvas(dot, colors, fonts);
  canvas.pen.color = style.colors.on;
  canvas.brush.color = style.colors.on;
  const Rect whole{0, 0, style.width, style.height};
  if (style.shape == TPixelShape::psRound) {
    canvas.Ellipse(whole);
  } else {
    canvas.Rectangle(whole);
  }
  return dot;
}

// One row of unlit dots with the background in the gaps.
Bitmap32 RowStrip(const LcdDotStyle& style, int width, const SystemColors& colors,
                  FontRasteriser& fonts) {
  Bitmap32 strip(width, style.height, colors.Resolve(style.background));
  Canvas canvas(strip, colors, fonts);
  canvas.Draw(0, 0, Bitmap32(style.width, style.height, style.colors.off));
  const int pitch = style.width + style.spacing;
  for (int n = pitch; n < width; n *= 2) {
    const Bitmap32 copy = strip;
    canvas.Draw(n, 0, copy, {0, 0, n - style.spacing, style.height});
  }
  return strip;
}

}  // namespace

Bitmap32 RenderLcdDots(const Bitmap1& matrix, const LcdDotStyle& style, int areaWidth,
                       int areaHeight, const SystemColors& colors, FontRasteriser& fonts) {
  Bitmap32 area(areaWidth, areaHeight, colors.Resolve(style.background));
  const int pitchX = style.width + style.spacing;
  const int pitchY = style.height + style.spacing;
  if (matrix.Empty() || area.Empty() || pitchX <= 0 || pitchY <= 0 || style.width <= 0 ||
      style.height <= 0) {
    return area;
  }
  const Bitmap32 lit = LitDot(style, colors, fonts);
  const Bitmap32 strip = RowStrip(style, area.Width(), colors, fonts);
  Canvas canvas(area, colors, fonts);
  for (int y = 0; y < matrix.Height(); ++y) {
    canvas.Draw(0, y * pitchY, strip);
    const std::uint8_t* bits = matrix.Row(y);
    for (int byte = 0; byte < matrix.RowBytes(); ++byte) {
      if (bits[byte] == 0) continue;
      for (int bit = 0; bit < 8; ++bit) {
        if (bits[byte] & (0x80 >> bit)) canvas.Draw((byte * 8 + bit) * pitchX, y * pitchY, lit);
      }
    }
  }
  return area;
}

}  // namespace haltwise
