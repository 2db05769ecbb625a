#pragma once
#include "gfx/font.h"
#include "gfx/geometry.h"

namespace haltwise {

// Everything on screen is designed at 96 DPI. A DpiScale turns a designed
// length, rectangle or font into pixels at a monitor's DPI, rounding as
// MulDiv does (halves away from zero).
class DpiScale {
 public:
  static constexpr int kDesignDpi = 96;

  constexpr DpiScale() = default;
  // A DPI below 1 (a failed query) counts as the design DPI.
  explicit constexpr DpiScale(int dpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}

  constexpr int Dpi() const { return dpi_; }
  constexpr bool IsDesign() const { return dpi_ == kDesignDpi; }

  constexpr int operator()(int length) const {
    const long long product = static_cast<long long>(length) * dpi_;
    const long long half = kDesignDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi
                                         : -((-product + half) / kDesignDpi));
  }
  // Edges are scaled, not sizes, so rectangles that touch at 96 DPI still
  // touch, and ones that do not touch never overlap.
  constexpr Rect operator()(const Rect& r) const {
    return {(*this)(r.left), (*this)(r.top), (*this)(r.right), (*this)(r.bottom)};
  }
  constexpr Point operator()(const Point& p) const { return {(*this)(p.x), (*this)(p.y)}; }
  // The font's height is in pixels; 0 (the default height) stays.
  FontSpec operator()(FontSpec font) const {
    font.height = (*this)(font.height);
    return font;
  }
  // Pixels at this DPI back to design units, rounded up so a text measured
  // at this DPI still fits once scaled again.
  constexpr int ToDesignCeil(int pixels) const {
    return static_cast<int>((static_cast<long long>(pixels) * kDesignDpi + dpi_ - 1) / dpi_);
  }

  constexpr bool operator==(const DpiScale&) const = default;

 private:
  int dpi_ = kDesignDpi;
};

}  // namespace haltwise
