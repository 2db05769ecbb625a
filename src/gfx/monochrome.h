#pragma once
#include "gfx/bitmap1.h"
#include "gfx/bitmap32.h"

namespace haltwise {

// Each pixel becomes ink when it is nearer black than white (by luminance),
// so black maps to ink and white to paper.
Bitmap1 ToMonochrome(const Bitmap32& image);

}  // namespace haltwise
