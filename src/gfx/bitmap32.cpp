#include "gfx/bitmap32.h"

#include <algorithm>
#include <string>

#include "platform/error.h"

namespace haltwise {

Bitmap32::Bitmap32(int width, int height, Color fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill);
}

Color Bitmap32::Pixel(int x, int y) const {
  if (!Contains(x, y)) {
    throw Error("Pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") lies outside a " +
                std::to_string(width_) + " x " + std::to_string(height_) + " bitmap.");
  }
  return pixels_[Index(x, y)];
}

void Bitmap32::Fill(Color color) { std::fill(pixels_.begin(), pixels_.end(), color); }

}  // namespace haltwise
