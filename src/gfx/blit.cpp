#include "gfx/blit.h"

#include <algorithm>

namespace haltwise {

namespace {

// The first tile start, stepping from `origin`, whose tile reaches past 0.
int FirstTileStart(int origin, int size) {
  if (origin + size > 0) return origin;
  return origin + (-origin) / size * size;
}

}  // namespace

void Blit(Bitmap32& target, int x, int y, const Bitmap32& source, const Rect& from, CopyMode mode) {
  const Rect whole = Normalised(from);
  const int offsetX = x - whole.left, offsetY = y - whole.top;
  const int left = std::max({whole.left, 0, -offsetX});
  const int top = std::max({whole.top, 0, -offsetY});
  const int right = std::min({whole.right, source.Width(), target.Width() - offsetX});
  const int bottom = std::min({whole.bottom, source.Height(), target.Height() - offsetY});
  for (int sy = top; sy < bottom; ++sy) {
    const auto in = source.Row(sy);
    auto out = target.Row(sy + offsetY);
    for (int sx = left; sx < right; ++sx) {
      const Color pixel = in[static_cast<std::size_t>(sx)];
      Color& dest = out[static_cast<std::size_t>(sx + offsetX)];
      dest = mode == CopyMode::kAnd ? (dest & pixel) : pixel;
    }
  }
}

void TileOver(Bitmap32& target, const Bitmap32& tile, int originX, int originY) {
  if (tile.Empty()) return;
  const int startX = FirstTileStart(originX, tile.Width());
  const int startY = FirstTileStart(originY, tile.Height());
  for (int y = startY; y < target.Height(); y += tile.Height()) {
    for (int x = startX; x < target.Width(); x += tile.Width()) Blit(target, x, y, tile);
  }
}

}  // namespace haltwise
