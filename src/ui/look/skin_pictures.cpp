#include "ui/look/skin_pictures.h"

#include <filesystem>

#include "gfx/bmp.h"

namespace haltwise {

namespace {

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

void LoadIfPresent(const std::string& path, Bitmap32& into) {
  if (Exists(path)) into = ReadBmpFile(path);
}

}  // namespace

void LoadSkinPictures(const std::string& skinFolder, MainWindowPictures& pictures) {
  LoadIfPresent(skinFolder + "MainForm.bmp", pictures.form);
  const std::string up = skinFolder + "BtnUp.bmp", down = skinFolder + "BtnDn.bmp";
  if (Exists(up) && Exists(down)) {
    Bitmap32 upImage = ReadBmpFile(up);
    Bitmap32 downImage = ReadBmpFile(down);
    pictures.buttonUp = std::move(upImage);
    pictures.buttonDown = std::move(downImage);
  }
  LoadIfPresent(skinFolder + "Leds.bmp", pictures.leds);
  LoadIfPresent(skinFolder + "btnStartOff.bmp", pictures.startOff);
  LoadIfPresent(skinFolder + "btnStartOn.bmp", pictures.startOn);
}

}  // namespace haltwise
