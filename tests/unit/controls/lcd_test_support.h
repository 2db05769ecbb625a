#pragma once
// Reading an LCD's dots back from its painted surface.
#include <string>

#include "controls/lcd_screen.h"

namespace haltwise::test {

// One character per dot, from the pixel at the dot's top-left corner:
// '#' lit, '.' unlit, '?' anything else. Rows separated by "\n".
inline std::string DotArt(const TLCDScreen& lcd, int columns, int rows) {
  const Bitmap32& surface = lcd.Surface();
  const LcdDotColors colors = lcd.DotColors();
  const int pitchX = lcd.PixelWidth() + lcd.PixelSpacing();
  const int pitchY = lcd.PixelHeight() + lcd.PixelSpacing();
  std::string art;
  for (int y = 0; y < rows; ++y) {
    if (y > 0) art += '\n';
    for (int x = 0; x < columns; ++x) {
      const Color c = surface.Pixel(lcd.BorderSpace() + x * pitchX, lcd.BorderSpace() + y * pitchY);
      art += c == colors.on ? '#' : c == colors.off ? '.' : '?';
    }
  }
  return art;
}

inline std::string DotArt(const TLCDScreen& lcd) { return DotArt(lcd, lcd.Columns(), lcd.Rows()); }

}  // namespace haltwise::test
