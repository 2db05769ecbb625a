#include "controls/tile_image.h"

#include "gfx/blit.h"

namespace haltwise {

void TTileImage::Paint() {
  // Areas the picture leaves free show the control's background colour.
  Bitmap32 image(Width(), Height(), colors_.Resolve(BackgroundColor()));
  if (tileImage_) {
    TileOver(image, Picture(), 0, 0);
  } else {
    Blit(image, 0, 0, Picture());
  }
  MutableSurface() = std::move(image);
}

}  // namespace haltwise
