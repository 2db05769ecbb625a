#pragma once
#include "config/skin_files.h"
#include "ui/look/pictures.h"

namespace haltwise {

// Replaces the pictures for which the skin has a bitmap to load, in the
// order: window picture, mode buttons (both images), glyph strip, Start
// images. A file that is not a readable bitmap raises Error; the pictures
// loaded before it stay.
void LoadSkinPictures(const SkinBitmaps& bitmaps, MainWindowPictures& pictures);

}  // namespace haltwise
