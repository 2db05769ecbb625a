#pragma once
#include <cstdint>

#include "gfx/system_colors.h"

namespace haltwise {

struct LcdDotColors {
  Color on = clBlack;
  Color off = clBlack;
  bool operator==(const LcdDotColors&) const = default;
};

// With k = 255 - |intensity|, each channel is the low byte of
// MulDiv(k, pixelOff - font, 255): the scaled difference, not a blend. A
// non-negative intensity lights dots in that colour on pixelOff; a negative
// one swaps the two.
LcdDotColors ComputeLcdDotColors(Color pixelOff, Color fontColor, std::int8_t intensity,
                                 const SystemColors& colors);

}  // namespace haltwise
