#pragma once
// Pictures of images as text, one character per pixel, rows separated by
// "\n", so a test can show the expected pixels at a glance.
#include <map>
#include <string>

#include "gfx/bitmap1.h"
#include "gfx/bitmap32.h"
#include "gfx/geometry.h"

namespace haltwise::test {

// Colours missing from the legend show as '?'.
inline std::string Art(const Bitmap32& image, const std::map<Color, char>& legend, Rect part) {
  std::string text;
  for (int y = part.top; y < part.bottom; ++y) {
    if (y > part.top) text += '\n';
    for (int x = part.left; x < part.right; ++x) {
      const auto it = legend.find(image.Pixel(x, y));
      text += it == legend.end() ? '?' : it->second;
    }
  }
  return text;
}

inline std::string Art(const Bitmap32& image, const std::map<Color, char>& legend) {
  return Art(image, legend, {0, 0, image.Width(), image.Height()});
}

// Ink '#', paper '.'.
inline std::string Art(const Bitmap1& image) {
  std::string text;
  for (int y = 0; y < image.Height(); ++y) {
    if (y > 0) text += '\n';
    for (int x = 0; x < image.Width(); ++x) text += image.Ink(x, y) ? '#' : '.';
  }
  return text;
}

}  // namespace haltwise::test
