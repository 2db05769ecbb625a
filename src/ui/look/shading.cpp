#include "ui/look/shading.h"

#include <algorithm>
#include <cmath>

namespace haltwise::shading {

namespace {

std::uint8_t MixChannel(int from, int to, int percent) {
  return static_cast<std::uint8_t>(from + (to - from) * percent / 100);
}

// How far a pixel row reaches into a rounded rectangle: the columns [left,
// right) covered on row y.
bool RowSpan(const Rect& rect, int radius, int y, int* left, int* right) {
  if (y < rect.top || y >= rect.bottom) return false;
  radius = std::min({radius, rect.Width() / 2, rect.Height() / 2});
  int inset = 0;
  const int fromTop = y - rect.top, fromBottom = rect.bottom - 1 - y;
  const int corner = std::min(fromTop, fromBottom);
  if (corner < radius) {
    const double dy = radius - corner - 0.5;
    const double dx = std::sqrt(std::max(0.0, double(radius) * radius - dy * dy));
    inset = static_cast<int>(std::lround(radius - dx));
  }
  *left = rect.left + inset;
  *right = rect.right - inset;
  return *left < *right;
}

}  // namespace

Color Mix(Color from, Color to, int percent) {
  percent = std::clamp(percent, 0, 100);
  return RgbColor(MixChannel(RedOf(from), RedOf(to), percent),
                  MixChannel(GreenOf(from), GreenOf(to), percent),
                  MixChannel(BlueOf(from), BlueOf(to), percent));
}

Color Lighter(Color color, int percent) { return Mix(color, clWhite, percent); }
Color Darker(Color color, int percent) { return Mix(color, clBlack, percent); }

void FillRounded(Bitmap32& image, const Rect& rect, int radius, Color top, Color bottom) {
  const int span = std::max(rect.Height() - 1, 1);
  for (int y = rect.top; y < rect.bottom; ++y) {
    int left, right;
    if (!RowSpan(rect, radius, y, &left, &right)) continue;
    const Color color = Mix(top, bottom, (y - rect.top) * 100 / span);
    for (int x = left; x < right; ++x) image.SetPixel(x, y, color);
  }
}

void OutlineRounded(Bitmap32& image, const Rect& rect, int radius, Color light, Color dark) {
  auto inside = [&](int x, int y) {
    int left, right;
    return RowSpan(rect, radius, y, &left, &right) && x >= left && x < right;
  };
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      if (!inside(x, y)) continue;
      if (inside(x - 1, y) && inside(x + 1, y) && inside(x, y - 1) && inside(x, y + 1)) continue;
      // Light towards the top-left corner, dark towards the bottom-right.
      const long towardsTopLeft =
          long(x - rect.left) * rect.Height() + long(y - rect.top) * rect.Width();
      const bool lit = towardsTopLeft < long(rect.Width()) * rect.Height();
      image.SetPixel(x, y, lit ? light : dark);
    }
  }
}

void Bevel(Bitmap32& image, const Rect& rect, int width, Color light, Color dark) {
  for (int i = 0; i < width; ++i) {
    const Rect r{rect.left + i, rect.top + i, rect.right - i, rect.bottom - i};
    for (int x = r.left; x < r.right; ++x) {
      image.SetPixel(x, r.top, light);
      image.SetPixel(x, r.bottom - 1, dark);
    }
    for (int y = r.top; y < r.bottom; ++y) {
      image.SetPixel(r.left, y, y == r.bottom - 1 ? dark : light);
      image.SetPixel(r.right - 1, y, y == r.top ? light : dark);
    }
  }
}

void Disc(Bitmap32& image, const Rect& rect, Color rim, Color body, Color glow) {
  const double cx = (rect.left + rect.right) / 2.0, cy = (rect.top + rect.bottom) / 2.0;
  const double r = std::min(rect.Width(), rect.Height()) / 2.0;
  const double gx = cx - r / 3.0, gy = cy - r / 3.0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const double d = std::hypot(px - cx, py - cy);
      if (d > r) continue;
      if (d > r - 1.0) {
        image.SetPixel(x, y, rim);
        continue;
      }
      const double g = std::hypot(px - gx, py - gy) / r;
      image.SetPixel(x, y, Mix(glow, body, static_cast<int>(std::clamp(g, 0.0, 1.0) * 100)));
    }
  }
}

}  // namespace haltwise::shading
