#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "gfx/font.h"
#include "gfx/font_rasteriser.h"

namespace haltwise {

// Breaks a text into lines no wider than `width` in the font, as a
// word-wrapped label does: at blanks where possible, inside a word that is
// longer than a whole line, and always at line breaks ("\r\n" or "\n").
std::vector<std::string> WrapText(FontRasteriser& fonts, const FontSpec& font,
                                  std::string_view text, int width);

// The height of the wrapped text: its lines times the font's line height.
int WrappedTextHeight(FontRasteriser& fonts, const FontSpec& font, std::string_view text,
                      int width);

}  // namespace haltwise
