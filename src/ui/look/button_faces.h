#pragma once
#include <string>

#include "gfx/bitmap32.h"
#include "gfx/font.h"
#include "gfx/font_rasteriser.h"
#include "gfx/system_colors.h"
#include "ui/look/pictures.h"

namespace haltwise {

// The part `from` of a picture (clipped; uncovered pixels keep `fill`).
Bitmap32 Crop(const Bitmap32& picture, const Rect& from, Color fill = clBlack);

// What faces are drawn with.
struct FaceTools {
  const SystemColors& colors;
  FontRasteriser& fonts;
};

// What a skinned button shows. Each face is drawn over `background`, the
// piece of the window picture under the button, so its rounded corners
// blend in. `focused` adds a dotted rectangle for the keyboard focus.
struct FaceText {
  std::string caption;
  FontSpec font;  // its colour is the caption's colour
  bool focused = false;
};

// An image button: the image at the top-left, the caption centred on it.
Bitmap32 ImageButtonFace(const FaceTools& tools, const Bitmap32& background, const Bitmap32& image,
                         const FaceText& text);

// A toggle with a glyph strip: its square (a solid colour, or none), the
// glyph of the state at the left, vertically centred, and the caption after
// it.
Bitmap32 GlyphToggleFace(const FaceTools& tools, const Bitmap32& background, const Bitmap32& strip,
                         GlyphState state, Color square, const FaceText& text);

// A flat button: the background, a frame while pressed, the caption centred.
Bitmap32 FlatButtonFace(const FaceTools& tools, const Bitmap32& background, bool pressed,
                        const FaceText& text);

}  // namespace haltwise
