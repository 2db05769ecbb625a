// Writes the example skin: Colors.ini and the six bitmaps, drawn with the
// program's own look in a graphite and amber palette.
//   make_example_skin <output folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <utility>

#include "gfx/bmp.h"
#include "platform/error.h"
#include "ui/look/pictures.h"

namespace {

using haltwise::RgbColor;

// Key and colour text, in the order the program reads them.
constexpr std::pair<const char*, const char*> kColors[] = {
    {"Title", "$0040C0FF"},
    {"ButtonsCaptionInactive", "$00C8C8C8"},
    {"ButtonsCaptionActive", "$0000A5FF"},
    {"Text", "$00E8E8E8"},
    {"EditBox", "$0080D0FF"},
    {"EditBoxText", "$00000000"},
    {"LedsCaption", "$0060C0F0"},
    {"PanelBackground", "$00403830"},
    {"FormBackground", "$00282420"},
    {"StatusText", "$0040C0FF"},
    {"DigitPixelOn", "$0000A0FF"},
    {"DigitPixelOff", "$00202830"},
    {"DigitsBack", "$00080808"},
    {"CPUBackground", "$00302820"},
    {"CPUForeground", "$0000A0FF"},
    {"CPUText", "$0060C0F0"},
};

haltwise::LookPalette AmberPalette() {
  return haltwise::LookPalette{
      .body = RgbColor(32, 36, 40),
      .well = RgbColor(14, 16, 18),
      .accent = RgbColor(240, 192, 96),
      .button = RgbColor(62, 68, 76),
      .pressed = RgbColor(255, 165, 0),
      .ledOn = RgbColor(255, 176, 0),
      .ledOff = RgbColor(70, 48, 12),
      .startOff = RgbColor(96, 108, 120),
      .startOn = RgbColor(230, 110, 0),
      .cornerRadius = 12,
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_example_skin <output folder>\n");
    return 2;
  }
  try {
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    std::ofstream ini(folder / "Colors.ini", std::ios::binary);
    ini << "[Colors]\r\n";
    for (const auto& [key, value] : kColors) ini << key << '=' << value << "\r\n";
    if (!ini.flush()) throw haltwise::Error("Unable to write Colors.ini");

    const haltwise::MainWindowPictures pictures = haltwise::DrawPictures(AmberPalette());
    const std::pair<const char*, const haltwise::Bitmap32*> files[] = {
        {"MainForm.bmp", &pictures.form},        {"BtnUp.bmp", &pictures.buttonUp},
        {"BtnDn.bmp", &pictures.buttonDown},     {"Leds.bmp", &pictures.leds},
        {"btnStartOff.bmp", &pictures.startOff}, {"btnStartOn.bmp", &pictures.startOn},
    };
    for (const auto& [name, image] : files) {
      haltwise::WriteBmpFile(*image, (folder / name).string());
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_example_skin: %s\n", error.what());
    return 1;
  }
  return 0;
}
