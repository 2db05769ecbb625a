#pragma once
#include <optional>

#include "gfx/bitmap32.h"
#include "gfx/dpi_scale.h"
#include "platform/color.h"
#include "ui/look/pictures.h"

namespace haltwise {

// A picture resized smoothly (bilinear). With a transparent colour, the
// cut-out keeps a hard edge: a pixel is transparent when the source pixel
// nearest to it is, and transparent pixels never bleed into the others.
Bitmap32 ScalePicture(const Bitmap32& picture, int width, int height,
                      std::optional<Color> transparent = std::nullopt);

// Every picture of the window at a scale: above 96 DPI from its large
// version (drawn for 192 DPI) where there is one, otherwise from the one
// drawn for 96 DPI. An empty picture in `large` means there is none. The
// glyph strip keeps four equal states.
MainWindowPictures PicturesAt(const MainWindowPictures& design, const MainWindowPictures& large,
                              DpiScale scale);

}  // namespace haltwise
