#include "gfx/monochrome.h"

namespace haltwise {

Bitmap1 ToMonochrome(const Bitmap32& image) {
  Bitmap1 result(image.Width(), image.Height());
  for (int y = 0; y < image.Height(); ++y) {
    const auto row = image.Row(y);
    for (int x = 0; x < image.Width(); ++x) {
      const Color c = row[static_cast<std::size_t>(x)];
      // Rec. 601 weights, scaled by 1000.
      const int luminance = 299 * RedOf(c) + 587 * GreenOf(c) + 114 * BlueOf(c);
      result.SetInk(x, y, luminance < 128 * 1000);
    }
  }
  return result;
}

}  // namespace haltwise
