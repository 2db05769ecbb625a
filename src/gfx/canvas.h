#pragma once
#include <span>
#include <string_view>

#include "gfx/bitmap32.h"
#include "gfx/blit.h"
#include "gfx/font.h"
#include "gfx/font_rasteriser.h"
#include "gfx/geometry.h"
#include "gfx/system_colors.h"

namespace haltwise {

struct Pen {
  Color color = clBlack;
  int width = 1;
  bool operator==(const Pen&) const = default;
};

struct Brush {
  Color color = clWhite;
  // A hollow brush fills nothing and draws text without a background.
  bool hollow = false;
};

// A software canvas over a Bitmap32, drawing with Windows' pixel rules.
// Pen, brush and font colours may be system colours; they are resolved
// when drawn. Everything is clipped to the bitmap.
class Canvas {
 public:
  using CopyMode = haltwise::CopyMode;

  Canvas(Bitmap32& target, const SystemColors& colors, FontRasteriser& fonts)
      : target_(target), colors_(colors), fonts_(fonts) {}
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  Pen pen;
  Brush brush;
  FontSpec font;

  Bitmap32& Target() { return target_; }

  // Fills with the brush colour (even when the brush is hollow, as FillRect does).
  void FillRect(const Rect& rect);
  void SetPixel(int x, int y, Color color);

  // A line from the pen position to (x, y), the end point not drawn.
  void MoveTo(int x, int y) { position_ = {x, y}; }
  void LineTo(int x, int y);
  // Connected lines; the last point is left out.
  void Polyline(std::span<const Point> points);

  // Outline with the pen, interior with the brush (unless hollow); the
  // right and bottom edges are exclusive.
  void Rectangle(const Rect& rect);
  void Ellipse(const Rect& rect);

  // In the font's colour; on the brush colour unless the brush is hollow.
  // (Not "TextOut": <windows.h> defines that name as a macro.)
  void WriteText(int x, int y, std::string_view text);
  TextSize TextExtent(std::string_view text) { return fonts_.MeasureText(font, text); }
  int TextWidth(std::string_view text) { return TextExtent(text).width; }
  int TextHeight(std::string_view text) { return TextExtent(text).height; }

  // Copies the part `from` of `source` with its top-left at (x, y).
  void Draw(int x, int y, const Bitmap32& source, const Rect& from,
            CopyMode mode = CopyMode::kCopy) {
    Blit(target_, x, y, source, from, mode);
  }
  void Draw(int x, int y, const Bitmap32& source) {
    Draw(x, y, source, {0, 0, source.Width(), source.Height()});
  }

 private:
  void Plot(int x, int y, Color resolved);
  void PenDot(int x, int y, Color resolved);

  Bitmap32& target_;
  const SystemColors& colors_;
  FontRasteriser& fonts_;
  Point position_;
};

}  // namespace haltwise
