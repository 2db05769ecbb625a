#pragma once
#include "gfx/geometry.h"

// The confirmation dialog at 96 DPI: a maroon box with its message at the
// top left and a row of flat buttons ending at the right, so a second
// button takes its place left of "Cancel !!" without moving it.
namespace haltwise::confirm_layout {

inline constexpr int kWidth = 214;
inline constexpr int kHeight = 75;
inline constexpr Rect kLabel{8, 16, 206, 30};
inline constexpr int kBevel = 2;

inline constexpr int kButtonWidth = 73;
inline constexpr int kButtonHeight = 22;
inline constexpr int kButtonTop = 40;
inline constexpr int kButtonRowRight = 193;
inline constexpr int kButtonGap = 6;

// Button `index` of `count`, counted from the left; the last one is
// always "Cancel !!" at (120, 40, 73, 22).
constexpr Rect Button(int index, int count) {
  const int right = kButtonRowRight - (count - 1 - index) * (kButtonWidth + kButtonGap);
  return {right - kButtonWidth, kButtonTop, right, kButtonTop + kButtonHeight};
}

}  // namespace haltwise::confirm_layout
