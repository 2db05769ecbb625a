#include "gfx/system_colors.h"

#include <array>

namespace haltwise {

namespace {

// COLOR_SCROLLBAR (0) to COLOR_MENUBAR (30) of the "Windows Standard" scheme.
constexpr std::array<Color, 31> kClassicColors = {
    RgbColor(192, 192, 192),  // 0 scroll bar
    RgbColor(0, 128, 128),    // 1 background (desktop)
    RgbColor(0, 0, 128),      // 2 active caption
    RgbColor(128, 128, 128),  // 3 inactive caption
    RgbColor(192, 192, 192),  // 4 menu
    RgbColor(255, 255, 255),  // 5 window
    RgbColor(0, 0, 0),        // 6 window frame
    RgbColor(0, 0, 0),        // 7 menu text
    RgbColor(0, 0, 0),        // 8 window text
    RgbColor(255, 255, 255),  // 9 caption text
    RgbColor(192, 192, 192),  // 10 active border
    RgbColor(192, 192, 192),  // 11 inactive border
    RgbColor(128, 128, 128),  // 12 application workspace
    RgbColor(0, 0, 128),      // 13 highlight
    RgbColor(255, 255, 255),  // 14 highlight text
    RgbColor(192, 192, 192),  // 15 button face
    RgbColor(128, 128, 128),  // 16 button shadow
    RgbColor(128, 128, 128),  // 17 grey text
    RgbColor(0, 0, 0),        // 18 button text
    RgbColor(192, 192, 192),  // 19 inactive caption text
    RgbColor(255, 255, 255),  // 20 button highlight
    RgbColor(0, 0, 0),        // 21 3-D dark shadow
    RgbColor(223, 223, 223),  // 22 3-D light
    RgbColor(0, 0, 0),        // 23 info text
    RgbColor(255, 255, 225),  // 24 info background
    RgbColor(180, 180, 180),  // 25 (unused)
    RgbColor(0, 0, 255),      // 26 hot light
    RgbColor(16, 132, 208),   // 27 gradient active caption
    RgbColor(181, 181, 181),  // 28 gradient inactive caption
    RgbColor(49, 106, 197),   // 29 menu highlight
    RgbColor(192, 192, 192),  // 30 menu bar
};

}  // namespace

Color ClassicSystemColors::SysColor(int index) const {
  if (index < 0 || index >= static_cast<int>(kClassicColors.size())) return clBlack;
  return kClassicColors[static_cast<std::size_t>(index)];
}

}  // namespace haltwise
