#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "platform/color.h"

namespace haltwise {

// A 32-bit image of resolved RGB colours ($00BBGGRR), top row first.
class Bitmap32 {
 public:
  Bitmap32() = default;
  // Negative sizes count as 0.
  Bitmap32(int width, int height, Color fill = clBlack);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Raises Error outside the image.
  Color Pixel(int x, int y) const;
  // Ignored outside the image.
  void SetPixel(int x, int y, Color color) {
    if (Contains(x, y)) pixels_[Index(x, y)] = color;
  }

  std::span<Color> Row(int y) { return {pixels_.data() + Index(0, y), Span()}; }
  std::span<const Color> Row(int y) const { return {pixels_.data() + Index(0, y), Span()}; }

  void Fill(Color color);

  bool operator==(const Bitmap32&) const = default;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  std::size_t Span() const { return static_cast<std::size_t>(width_); }

  int width_ = 0;
  int height_ = 0;
  std::vector<Color> pixels_;
};

}  // namespace haltwise
