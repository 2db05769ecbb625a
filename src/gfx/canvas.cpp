#include "gfx/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace haltwise {

void Canvas::Plot(int x, int y, Color resolved) { target_.SetPixel(x, y, resolved); }

// A pen wider than one pixel covers a square centred on the path.
void Canvas::PenDot(int x, int y, Color resolved) {
  if (pen.width <= 1) {
    Plot(x, y, resolved);
    return;
  }
  const int start = -pen.width / 2;
  for (int dy = start; dy < start + pen.width; ++dy) {
    for (int dx = start; dx < start + pen.width; ++dx) Plot(x + dx, y + dy, resolved);
  }
}

void Canvas::FillRect(const Rect& rect) {
  const Color color = colors_.Resolve(brush.color);
  const int left = std::max(rect.left, 0), right = std::min(rect.right, target_.Width());
  const int top = std::max(rect.top, 0), bottom = std::min(rect.bottom, target_.Height());
  if (left >= right) return;
  for (int y = top; y < bottom; ++y) {
    auto row = target_.Row(y);
    std::fill(row.begin() + left, row.begin() + right, color);
  }
}

void Canvas::SetPixel(int x, int y, Color color) { Plot(x, y, colors_.Resolve(color)); }

void Canvas::LineTo(int x, int y) {
  const Color color = colors_.Resolve(pen.color);
  // Bresenham from the pen position; the end point itself is not drawn.
  int cx = position_.x, cy = position_.y;
  const int dx = std::abs(x - cx), dy = -std::abs(y - cy);
  const int sx = cx < x ? 1 : -1, sy = cy < y ? 1 : -1;
  int error = dx + dy;
  while (cx != x || cy != y) {
    PenDot(cx, cy, color);
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      cx += sx;
    }
    if (twice <= dx) {
      error += dx;
      cy += sy;
    }
  }
  position_ = {x, y};
}

void Canvas::Polyline(std::span<const Point> points) {
  if (points.empty()) return;
  const Point saved = position_;
  MoveTo(points[0].x, points[0].y);
  for (std::size_t i = 1; i < points.size(); ++i) LineTo(points[i].x, points[i].y);
  position_ = saved;
}

void Canvas::Rectangle(const Rect& rect) {
  const Rect r = Normalised(rect);
  if (r.IsEmpty()) return;
  if (!brush.hollow) {
    const Color fill = colors_.Resolve(brush.color);
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
      for (int x = r.left + 1; x < r.right - 1; ++x) Plot(x, y, fill);
    }
  }
  const Color outline = colors_.Resolve(pen.color);
  for (int x = r.left; x < r.right; ++x) {
    PenDot(x, r.top, outline);
    PenDot(x, r.bottom - 1, outline);
  }
  for (int y = r.top; y < r.bottom; ++y) {
    PenDot(r.left, y, outline);
    PenDot(r.right - 1, y, outline);
  }
}

void Canvas::Ellipse(const Rect& rect) {
  const Rect r = Normalised(rect);
  if (r.IsEmpty()) return;
  // A pixel belongs to the ellipse when its centre lies inside the ellipse
  // inscribed in the rectangle; those with a neighbour outside form the outline.
  const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
  const double rx = r.Width() / 2.0, ry = r.Height() / 2.0;
  const auto inside = [&](int x, int y) {
    if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) return false;
    const double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
    return nx * nx + ny * ny <= 1.0;
  };
  const Color outline = colors_.Resolve(pen.color);
  const Color fill = colors_.Resolve(brush.color);
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (!inside(x, y)) continue;
      const bool edge =
          !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      if (edge) {
        Plot(x, y, outline);
      } else if (!brush.hollow) {
        Plot(x, y, fill);
      }
    }
  }
}

void Canvas::WriteText(int x, int y, std::string_view text) {
  // A platform font may put ink past the width it measures: a final "f"
  // reaches over its advance, and over a long line the measured extent can
  // fall a few pixels short of where the glyphs really end. Rendering a few
  // blanks more keeps that ink; the background still covers the measured
  // width only.
  const int width = fonts_.MeasureText(font, text).width;
  const Bitmap1 glyphs = fonts_.RenderText(font, std::string(text) + "   ");
  const Color ink = colors_.Resolve(font.color);
  const Color paper = colors_.Resolve(brush.color);
  for (int gy = 0; gy < glyphs.Height(); ++gy) {
    for (int gx = 0; gx < glyphs.Width(); ++gx) {
      if (glyphs.Ink(gx, gy)) {
        Plot(x + gx, y + gy, ink);
      } else if (!brush.hollow && gx < width) {
        Plot(x + gx, y + gy, paper);
      }
    }
  }
}

}  // namespace haltwise
