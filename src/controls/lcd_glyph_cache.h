#pragma once
#include <cstddef>
#include <map>
#include <string>
#include <tuple>

#include "gfx/bitmap1.h"
#include "gfx/font.h"
#include "gfx/font_rasteriser.h"

namespace haltwise {

// The LCD's characters rasterised once per font and reused: the panel
// redraws its text every second, and asking the platform for the same few
// glyphs each time is the costly part. The font's colour plays no part.
class LcdGlyphCache {
 public:
  explicit LcdGlyphCache(FontRasteriser& fonts) : fonts_(fonts) {}

  const Bitmap1& Glyph(const FontSpec& font, char character);

  std::size_t Hits() const { return hits_; }
  std::size_t Misses() const { return misses_; }

 private:
  // Everything of the font but its colour, and the character.
  using Key = std::tuple<std::string, int, bool, bool, bool, bool, char>;

  FontRasteriser& fonts_;
  std::map<Key, Bitmap1> glyphs_;
  std::size_t hits_ = 0;
  std::size_t misses_ = 0;
};

}  // namespace haltwise
