#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

namespace haltwise {

// A one-bit image with row access: each row is RowBytes() bytes, the most
// significant bit of a byte leftmost. A set bit is ink (black in drawn text,
// a lit dot in a dot matrix); a clear bit is paper (white). Bits past the
// right edge stay clear, so a whole byte can be tested at once.
// Header-only: the GDI font rasteriser fills it without linking gfx.
class Bitmap1 {
 public:
  enum class Blend { kReplace, kOr };

  Bitmap1() = default;
  // Negative sizes count as 0; the new image is all paper.
  Bitmap1(int width, int height) { Resize(width, height); }

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  int RowBytes() const { return (width_ + 7) / 8; }

  std::uint8_t* Row(int y) { return bits_.data() + RowOffset(y); }
  const std::uint8_t* Row(int y) const { return bits_.data() + RowOffset(y); }

  // Outside the image: paper.
  bool Ink(int x, int y) const {
    if (!Contains(x, y)) return false;
    return (Row(y)[x >> 3] & Mask(x)) != 0;
  }
  // Ignored outside the image.
  void SetInk(int x, int y, bool ink) {
    if (!Contains(x, y)) return;
    std::uint8_t& byte = Row(y)[x >> 3];
    byte = ink ? static_cast<std::uint8_t>(byte | Mask(x))
               : static_cast<std::uint8_t>(byte & ~Mask(x));
  }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Keeps the top-left content; newly grown areas are paper.
  void Resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    Bitmap1 grown;
    grown.width_ = width;
    grown.height_ = height;
    grown.bits_.assign(
        static_cast<std::size_t>(grown.RowBytes()) * static_cast<std::size_t>(height), 0);
    grown.Blit(0, 0, *this, Blend::kReplace);
    *this = std::move(grown);
  }

  // Swaps ink and paper inside the image.
  void Invert() {
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) SetInk(x, y, !Ink(x, y));
    }
  }

  // Places `source` with its top-left at (x, y), clipped to this image.
  // kReplace copies ink and paper alike; kOr adds the source's ink.
  void Blit(int x, int y, const Bitmap1& source, Blend blend) {
    const int x0 = std::max(x, 0), x1 = std::min(x + source.width_, width_);
    const int y0 = std::max(y, 0), y1 = std::min(y + source.height_, height_);
    for (int ty = y0; ty < y1; ++ty) {
      for (int tx = x0; tx < x1; ++tx) {
        const bool ink = source.Ink(tx - x, ty - y);
        if (blend == Blend::kReplace || ink) SetInk(tx, ty, ink);
      }
    }
  }

  bool operator==(const Bitmap1&) const = default;

 private:
  static std::uint8_t Mask(int x) { return static_cast<std::uint8_t>(0x80u >> (x & 7)); }
  std::size_t RowOffset(int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(RowBytes());
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> bits_;
};

}  // namespace haltwise
