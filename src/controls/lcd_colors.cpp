#include "controls/lcd_colors.h"

#include <cstdlib>

#include "gfx/mul_div.h"

namespace haltwise {

LcdDotColors ComputeLcdDotColors(Color pixelOff, Color fontColor, std::int8_t intensity,
                                 const SystemColors& colors) {
  const Color off = colors.Resolve(pixelOff);
  const Color font = colors.Resolve(fontColor);
  const int k = 255 - std::abs(static_cast<int>(intensity));
  const auto channel = [k](std::uint8_t p, std::uint8_t f) {
    return static_cast<std::uint8_t>(MulDiv(k, p - f, 255) & 0xFF);
  };
  const Color computed =
      RgbColor(channel(RedOf(off), RedOf(font)), channel(GreenOf(off), GreenOf(font)),
               channel(BlueOf(off), BlueOf(font)));
  if (intensity >= 0) return {computed, off};
  return {off, computed};
}

}  // namespace haltwise
