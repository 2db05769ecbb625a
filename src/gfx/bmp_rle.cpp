#include "gfx/bmp_rle.h"

#include <algorithm>

namespace haltwise {
namespace {

// The i-th pixel of a run or of literal bytes: a whole byte for RLE8, the
// high nibble then the low one for RLE4.
std::uint8_t PixelOf(std::uint8_t byte, int i, int bitsPerPixel) {
  if (bitsPerPixel == 8) return byte;
  return static_cast<std::uint8_t>(i % 2 == 0 ? byte >> 4 : byte & 0x0F);
}

// The position that the escapes move, and the pixels set at it.
class RleCursor {
 public:
  RleCursor(int width, int height, const RlePixelSink& put)
      : width_(width), height_(height), put_(put) {}

  void Put(std::uint8_t index) {
    if (x_ >= width_) return;  // past the edge only clipped pixels follow
    put_(x_, y_, index);
    ++x_;
  }
  void EndOfLine() {
    x_ = 0;
    ++y_;
  }
  void Move(int dx, int dy) {
    x_ = std::min(x_ + dx, width_);
    y_ += dy;
  }
  bool Done() const { return y_ >= height_; }

 private:
  int width_, height_;
  const RlePixelSink& put_;
  int x_ = 0, y_ = 0;
};

}  // namespace

void DecodeRle(std::span<const std::uint8_t> data, int bitsPerPixel, int width, int height,
               const RlePixelSink& put) {
  RleCursor cursor(width, height, put);
  std::size_t at = 0;
  while (at + 2 <= data.size() && !cursor.Done()) {
    const std::uint8_t count = data[at];
    const std::uint8_t value = data[at + 1];
    at += 2;
    if (count > 0) {  // a run of `count` pixels
      for (int i = 0; i < count; ++i) cursor.Put(PixelOf(value, i, bitsPerPixel));
      continue;
    }
    switch (value) {
      case 0:
        cursor.EndOfLine();
        break;
      case 1:
        return;
      case 2:
        if (at + 2 > data.size()) return;
        cursor.Move(data[at], data[at + 1]);
        at += 2;
        break;
      default: {  // `value` literal pixels, their bytes padded to a 16-bit boundary
        const std::size_t bytes = bitsPerPixel == 8 ? value : (value + 1u) / 2;
        if (at + bytes > data.size()) return;
        for (int i = 0; i < value; ++i) {
          cursor.Put(
              PixelOf(data[at + static_cast<std::size_t>(i * bitsPerPixel / 8)], i, bitsPerPixel));
        }
        at += bytes + bytes % 2;
      }
    }
  }
}

}  // namespace haltwise
