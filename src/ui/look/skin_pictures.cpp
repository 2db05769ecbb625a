#include "ui/look/skin_pictures.h"

#include "gfx/bmp.h"

namespace haltwise {

namespace {

void LoadIfNamed(const std::optional<std::string>& path, Bitmap32& into) {
  if (path) into = ReadBmpFile(*path);
}

}  // namespace

void LoadSkinPictures(const SkinBitmaps& bitmaps, MainWindowPictures& pictures) {
  LoadIfNamed(bitmaps.mainForm, pictures.form);
  if (bitmaps.buttonUp && bitmaps.buttonDown) {
    Bitmap32 up = ReadBmpFile(*bitmaps.buttonUp);
    Bitmap32 down = ReadBmpFile(*bitmaps.buttonDown);
    pictures.buttonUp = std::move(up);
    pictures.buttonDown = std::move(down);
  }
  LoadIfNamed(bitmaps.leds, pictures.leds);
  LoadIfNamed(bitmaps.startOff, pictures.startOff);
  LoadIfNamed(bitmaps.startOn, pictures.startOn);
}

}  // namespace haltwise
