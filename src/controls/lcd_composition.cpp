#include "controls/lcd_composition.h"

#include <algorithm>

namespace haltwise {

namespace {

// Wraps one axis of the scroll offset for content `size` long whose layers
// sit at the given offsets, in a matrix `extent` dots long.
void Wrap(std::int32_t& scroll, std::int64_t size, std::int64_t extent,
          std::initializer_list<std::int64_t> offsets) {
  const auto any = [&](auto test) {
    return std::any_of(offsets.begin(), offsets.end(),
                       [&](std::int64_t o) { return test(o + scroll); });
  };
  if (any([&](std::int64_t at) { return -size > at; })) {
    scroll = static_cast<std::int32_t>(scroll + size + extent);
  }
  if (any([&](std::int64_t at) { return at > extent; })) {
    scroll = static_cast<std::int32_t>(scroll - size - extent);
  }
}

void Place(Bitmap1& matrix, const LcdLayer& layer, const LcdScroll& scroll, Bitmap1::Blend blend) {
  const bool moves = layer.animMode == TAnimMode::amDynamic;
  matrix.Blit(layer.x + (moves ? scroll.x : 0), layer.y + (moves ? scroll.y : 0), layer.image,
              blend);
}

}  // namespace

Bitmap1 ComposeLcdMatrix(TDisplayMode mode, const LcdLayer& text, const LcdLayer& bitmap,
                         TBitmapCopyMode copyMode, int columns, int rows, LcdScroll& scroll) {
  Bitmap1 matrix(columns, rows);
  switch (mode) {
    case TDisplayMode::dmText:
    case TDisplayMode::dmBitmap: {
      const LcdLayer& layer = mode == TDisplayMode::dmText ? text : bitmap;
      Wrap(scroll.x, layer.image.Width(), columns, {layer.x});
      Wrap(scroll.y, layer.image.Height(), rows, {layer.y});
      Place(matrix, layer, scroll, Bitmap1::Blend::kReplace);
      break;
    }
    case TDisplayMode::dmBoth: {
      const int width = std::max(text.image.Width(), bitmap.image.Width());
      const int height = std::max(text.image.Height(), bitmap.image.Height());
      Wrap(scroll.x, width, columns, {text.x, bitmap.x});
      Wrap(scroll.y, height, rows, {text.y, bitmap.y});
      Place(matrix, text, scroll, Bitmap1::Blend::kReplace);
      Place(matrix, bitmap, scroll,
            copyMode == TBitmapCopyMode::cmNotTransparent ? Bitmap1::Blend::kReplace
                                                          : Bitmap1::Blend::kOr);
      break;
    }
  }
  return matrix;
}

}  // namespace haltwise
