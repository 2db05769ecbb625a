#pragma once
#include <cstdint>

#include "controls/lcd_types.h"
#include "gfx/bitmap1.h"

namespace haltwise {

// One layer of the dot matrix: an image, its own offset in dots, and
// whether it follows the scroll offsets (amDynamic) or not.
struct LcdLayer {
  const Bitmap1& image;
  int x = 0;
  int y = 0;
  TAnimMode animMode = TAnimMode::amDynamic;
};

struct LcdScroll {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// Builds the columns x rows dot matrix (ink = lit) from the layers that
// the display mode shows. Content that has left the matrix wraps: the
// scroll offset jumps by content size + matrix size, and stays changed.
Bitmap1 ComposeLcdMatrix(TDisplayMode mode, const LcdLayer& text, const LcdLayer& bitmap,
                         TBitmapCopyMode copyMode, int columns, int rows, LcdScroll& scroll);

}  // namespace haltwise
