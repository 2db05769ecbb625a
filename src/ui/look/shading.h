#pragma once
#include "gfx/bitmap32.h"
#include "gfx/geometry.h"
#include "platform/color.h"

// Shapes for drawing the built-in pictures straight into a Bitmap32: rounded
// panels, gradients and bevels. Colours are resolved RGB values.
namespace haltwise::shading {

// `percent` of `to` mixed into `from`.
Color Mix(Color from, Color to, int percent);
Color Lighter(Color color, int percent);
Color Darker(Color color, int percent);

// A rectangle with quarter-circle corners of `radius`, filled top to bottom
// from `top` to `bottom`.
void FillRounded(Bitmap32& image, const Rect& rect, int radius, Color top, Color bottom);
// A one-pixel outline of the same rounded shape: `light` along the top and
// left half, `dark` along the bottom and right half.
void OutlineRounded(Bitmap32& image, const Rect& rect, int radius, Color light, Color dark);
// A raised (light top-left) or sunken (dark top-left) frame `width` pixels
// thick just inside `rect`.
void Bevel(Bitmap32& image, const Rect& rect, int width, Color light, Color dark);
// A filled disc inside `rect` with a highlight towards its top-left.
void Disc(Bitmap32& image, const Rect& rect, Color rim, Color body, Color glow);

}  // namespace haltwise::shading
