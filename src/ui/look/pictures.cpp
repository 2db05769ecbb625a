#include "ui/look/pictures.h"

#include "ui/look/layout.h"
#include "ui/look/shading.h"

namespace haltwise {

namespace {

using namespace shading;

constexpr int kLedSize = 13;
constexpr int kStartRadius = 8;

// A sunken well a few pixels around a control's place.
void Well(Bitmap32& image, const Rect& place, int margin, const LookPalette& p) {
  const Rect r{place.left - margin, place.top - margin, place.right + margin,
               place.bottom + margin};
  FillRounded(image, r, 4, Darker(p.well, 25), p.well);
  OutlineRounded(image, r, 4, Darker(p.body, 45), Lighter(p.body, 30));
}

Bitmap32 DrawForm(const LookPalette& p) {
  using namespace layout;
  Bitmap32 image(kFormWidth, kFormHeight, kTransparentGreen);
  const Rect whole{0, 0, kFormWidth, kFormHeight};
  FillRounded(image, whole, p.cornerRadius, Lighter(p.body, 22), Darker(p.body, 35));
  OutlineRounded(image, whole, p.cornerRadius, Darker(p.body, 60), Darker(p.body, 75));
  OutlineRounded(image, {1, 1, kFormWidth - 1, kFormHeight - 1}, p.cornerRadius - 1,
                 Lighter(p.body, 55), Darker(p.body, 45));

  // The title strip with its three small buttons.
  const Rect titleBar{kTitle.left - 12, kTitle.top - 5, kClose.right + 6, kTitle.bottom + 5};
  FillRounded(image, titleBar, 8, Darker(p.body, 55), Darker(p.body, 30));
  OutlineRounded(image, titleBar, 8, Darker(p.body, 70), Lighter(p.accent, 10));
  for (int x = kHelp.left - 4; x < kHelp.left - 3; ++x) {
    for (int y = titleBar.top + 3; y < titleBar.bottom - 3; ++y)
      image.SetPixel(x, y, Darker(p.accent, 30));
  }

  Well(image, kModeGroup, 6, p);
  Well(image, kPages, 6, p);
  // The action toggles sit straight on the panel colour of their square.
  const Rect actions{Toggle(0).left - 6, Toggle(0).top - 6, Toggle(0).right + 6,
                     Toggle(5).bottom + 5};
  FillRounded(image, actions, 6, p.body, p.body);
  OutlineRounded(image, actions, 6, Darker(p.body, 45), Lighter(p.body, 30));
  const int rule = Toggle(5).top - 3;
  for (int x = actions.left + 8; x < actions.right - 8; ++x) {
    image.SetPixel(x, rule, Darker(p.body, 40));
    image.SetPixel(x, rule + 1, Lighter(p.body, 20));
  }

  Well(image, kLcd, 4, p);
  const Rect startPad{kStart.left - 4, kStart.top - 4, kStart.right + 4, kStart.bottom + 4};
  FillRounded(image, startPad, kStartRadius + 3, Darker(p.body, 50), Darker(p.body, 30));
  OutlineRounded(image, startPad, kStartRadius + 3, Darker(p.body, 65), Lighter(p.body, 30));
  for (const Rect& graph : {kGraphCpu, kGraphNet, kGraphDisk, kGraphCustom}) {
    Well(image, graph, 3, p);
  }
  Well(image, kStatus, 4, p);
  return image;
}

Bitmap32 DrawModeButton(const LookPalette& p, bool down) {
  using namespace layout;
  Bitmap32 image(kModeButtonWidth, kModeButtonHeight, p.well);
  const Rect r{0, 0, kModeButtonWidth, kModeButtonHeight};
  if (down) {
    FillRounded(image, r, 6, Darker(p.button, 45), Mix(p.button, p.pressed, 25));
    OutlineRounded(image, r, 6, Darker(p.button, 70), Lighter(p.pressed, 20));
    OutlineRounded(image, {1, 1, r.right - 1, r.bottom - 1}, 5, Darker(p.button, 50),
                   Mix(p.button, p.pressed, 50));
  } else {
    FillRounded(image, r, 6, Lighter(p.button, 25), Darker(p.button, 25));
    OutlineRounded(image, r, 6, Lighter(p.button, 55), Darker(p.button, 65));
  }
  return image;
}

Bitmap32 DrawLeds(const LookPalette& p) {
  Bitmap32 strip(kLedSize * kGlyphStates, kLedSize, p.body);
  auto cell = [](GlyphState state) {
    const int left = static_cast<int>(state) * kLedSize;
    return Rect{left, 0, left + kLedSize, kLedSize};
  };
  Disc(strip, cell(GlyphState::kUp), Darker(p.ledOff, 50), p.ledOff, Lighter(p.ledOff, 25));
  const Color grey = RgbColor(110, 110, 110);
  Disc(strip, cell(GlyphState::kDisabled), Darker(grey, 40), Darker(grey, 20), grey);
  for (GlyphState lit : {GlyphState::kDown, GlyphState::kExclusive}) {
    Disc(strip, cell(lit), Darker(p.ledOn, 45), p.ledOn, Lighter(p.ledOn, 70));
  }
  return strip;
}

Bitmap32 DrawStart(const LookPalette& p, bool on) {
  using namespace layout;
  const Color face = on ? p.startOn : p.startOff;
  Bitmap32 image(kStart.Width(), kStart.Height(), Darker(p.body, 40));
  const Rect r{0, 0, kStart.Width(), kStart.Height()};
  if (on) {
    FillRounded(image, r, kStartRadius, Darker(face, 35), Lighter(face, 10));
    OutlineRounded(image, r, kStartRadius, Darker(face, 65), Lighter(face, 35));
  } else {
    FillRounded(image, r, kStartRadius, Lighter(face, 35), Darker(face, 25));
    OutlineRounded(image, r, kStartRadius, Lighter(face, 65), Darker(face, 60));
  }
  return image;
}

}  // namespace

LookPalette DefaultPalette() {
  // From the default skin colours: FormBackground, EditBox, ButtonsCaption...
  const Color formBackground = RgbColor(0x00, 0x00, 0x66);
  const Color editBox = RgbColor(0x6F, 0x9B, 0xCC);
  return LookPalette{
      .body = formBackground,
      .well = RgbColor(0x00, 0x00, 0x33),
      .accent = editBox,
      .button = RgbColor(0x10, 0x18, 0x80),
      .pressed = RgbColor(0x80, 0x80, 0xFF),
      .ledOn = RgbColor(0x30, 0xE0, 0x30),
      .ledOff = RgbColor(0x10, 0x40, 0x18),
      .startOff = RgbColor(0x00, 0x80, 0x30),
      .startOn = RgbColor(0xB0, 0x10, 0x10),
      .cornerRadius = 24,
  };
}

MainWindowPictures DrawPictures(const LookPalette& palette) {
  return MainWindowPictures{
      .form = DrawForm(palette),
      .buttonUp = DrawModeButton(palette, false),
      .buttonDown = DrawModeButton(palette, true),
      .leds = DrawLeds(palette),
      .startOff = DrawStart(palette, false),
      .startOn = DrawStart(palette, true),
  };
}

}  // namespace haltwise
