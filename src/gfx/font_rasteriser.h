#pragma once
#include <string_view>

#include "gfx/bitmap1.h"
#include "gfx/font.h"
#include "gfx/geometry.h"

namespace haltwise {

// Text is the one thing the platform rasterises. Text is UTF-8; the font's
// colour is ignored here: the result is black ink on white paper, without
// anti-aliasing.
class FontRasteriser {
 public:
  virtual ~FontRasteriser() = default;
  // Width and height of the text's cell.
  virtual TextSize MeasureText(const FontSpec& font, std::string_view text) = 0;
  // The text drawn at (0, 0) of an image of exactly MeasureText's size.
  virtual Bitmap1 RenderText(const FontSpec& font, std::string_view text) = 0;
};

}  // namespace haltwise
