#pragma once
#include "gfx/bitmap32.h"
#include "platform/color.h"

namespace haltwise {

// Pure green is cut out of the window's shape.
inline constexpr Color kTransparentGreen = RgbColor(0, 255, 0);

// The main window's six pictures, as a skin folder may replace them.
struct MainWindowPictures {
  Bitmap32 form;        // MainForm.bmp: background and outline
  Bitmap32 buttonUp;    // BtnUp.bmp: a released mode button
  Bitmap32 buttonDown;  // BtnDn.bmp: a pressed mode button
  Bitmap32 leds;        // Leds.bmp: four glyph states side by side
  Bitmap32 startOff;    // btnStartOff.bmp
  Bitmap32 startOn;     // btnStartOn.bmp
};

// The colours a look is drawn in.
struct LookPalette {
  Color body;     // the window's panel
  Color well;     // sunken areas behind the controls
  Color accent;   // frames and highlights
  Color button;   // mode buttons
  Color pressed;  // a pressed mode button's glow
  Color ledOn;
  Color ledOff;
  Color startOff;
  Color startOn;
  int cornerRadius;
};

// The built-in look, in the program's default colours.
LookPalette DefaultPalette();

// Draws every picture in the palette's colours.
MainWindowPictures DrawPictures(const LookPalette& palette);

// The glyph states of a toggle's strip, in their order in the strip.
enum class GlyphState { kUp = 0, kDisabled = 1, kDown = 2, kExclusive = 3 };
inline constexpr int kGlyphStates = 4;

}  // namespace haltwise
