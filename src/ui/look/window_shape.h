#pragma once
#include <vector>

#include "gfx/bitmap32.h"
#include "gfx/geometry.h"

namespace haltwise {

// The window's outline from its picture: one rectangle per horizontal run
// of pixels that are not the transparent colour, row by row, left to right.
// Their union is the region the window keeps.
std::vector<Rect> OpaqueRuns(const Bitmap32& picture, Color transparent);

}  // namespace haltwise
