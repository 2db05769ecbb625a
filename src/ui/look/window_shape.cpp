#include "ui/look/window_shape.h"

namespace haltwise {

std::vector<Rect> OpaqueRuns(const Bitmap32& picture, Color transparent) {
  std::vector<Rect> runs;
  transparent &= 0xFFFFFF;
  for (int y = 0; y < picture.Height(); ++y) {
    const auto row = picture.Row(y);
    int x = 0;
    while (x < picture.Width()) {
      while (x < picture.Width() && (row[x] & 0xFFFFFF) == transparent) ++x;
      const int start = x;
      while (x < picture.Width() && (row[x] & 0xFFFFFF) != transparent) ++x;
      if (x > start) runs.push_back({start, y, x, y + 1});
    }
  }
  return runs;
}

}  // namespace haltwise
