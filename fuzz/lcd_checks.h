#pragma once
// Checks shared by the LCD fuzz targets.
#include <string>

#include "controls/lcd_screen.h"
#include "fuzz_support.h"

namespace haltwise::fuzz {

// The painted picture covers the whole control; a control without area has
// no picture.
inline void CheckPaintedWhole(const TLCDScreen& lcd) {
  const Bitmap32& surface = lcd.Surface();
  const bool whole = lcd.Width() <= 0 || lcd.Height() <= 0
                         ? surface.Empty()
                         : surface.Width() == lcd.Width() && surface.Height() == lcd.Height();
  Check(whole, "the picture covers the control",
        std::to_string(surface.Width()) + "x" + std::to_string(surface.Height()) + " for " +
            std::to_string(lcd.Width()) + "x" + std::to_string(lcd.Height()));
}

}  // namespace haltwise::fuzz
