#pragma once
#include <string>

#include "ui/look/pictures.h"

namespace haltwise {

// Replaces the pictures for which the skin folder (ending in a path
// separator) has a bitmap: "MainForm.bmp", "Leds.bmp", "btnStartOff.bmp"
// and "btnStartOn.bmp" each on its own, "BtnUp.bmp" and "BtnDn.bmp" only as a
// pair. A file that exists but is not a readable bitmap raises Error; the
// pictures loaded before it stay.
void LoadSkinPictures(const std::string& skinFolder, MainWindowPictures& pictures);

}  // namespace haltwise
