#pragma once
#include "gfx/bitmap32.h"
#include "gfx/geometry.h"

namespace haltwise {

// kAnd keeps the bits both images share (SRCAND).
enum class CopyMode { kCopy, kAnd };

// Copies the part `from` of `source` with its top-left at (x, y), clipped
// to both images.
void Blit(Bitmap32& target, int x, int y, const Bitmap32& source, const Rect& from,
          CopyMode mode = CopyMode::kCopy);
inline void Blit(Bitmap32& target, int x, int y, const Bitmap32& source) {
  Blit(target, x, y, source, {0, 0, source.Width(), source.Height()});
}

// Repeats `tile` over the target, one copy at (originX, originY) and the
// others a whole tile apart, from the first that is not wholly left of or
// above the target until the right and bottom edges are passed. An empty
// tile draws nothing.
void TileOver(Bitmap32& target, const Bitmap32& tile, int originX, int originY);

}  // namespace haltwise
