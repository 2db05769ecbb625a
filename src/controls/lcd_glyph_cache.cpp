#include "controls/lcd_glyph_cache.h"

#include <string_view>

namespace haltwise {

namespace {
// Every character in every style of a few typefaces stays far below this;
// a program that keeps changing fonts starts afresh instead of growing.
constexpr std::size_t kMaxGlyphs = 8192;
}  // namespace

const Bitmap1& LcdGlyphCache::Glyph(const FontSpec& font, char character) {
  const Key key{font.name,      font.height,    font.bold, font.italic,
                font.underline, font.strikeOut, character};
  if (const auto found = glyphs_.find(key); found != glyphs_.end()) {
    ++hits_;
    return found->second;
  }
  ++misses_;
  if (glyphs_.size() >= kMaxGlyphs) glyphs_.clear();
  return glyphs_.emplace(key, fonts_.RenderText(font, std::string_view(&character, 1)))
      .first->second;
}

}  // namespace haltwise
