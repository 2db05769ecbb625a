#pragma once
#include <string>

#include "gfx/dpi_scale.h"
#include "gfx/font.h"
#include "platform/win32/gdi_handles.h"

namespace haltwise {

// The fonts of the program's windows. The same FontSpec draws captions in
// software (through the font rasteriser) and sets the font of native
// controls, so both look alike.
FontSpec UiFontSpec(bool bold = false);
FontSpec SplashTitleFontSpec();
UniqueFont CreateUiFont(const FontSpec& fontSpec);
// The fonts a window's native controls use, at the window's DPI.
enum class UiFontRole { kNormal, kBold, kTitle };
class UiFontSet {
 public:
  void Create(DpiScale scale);
  HFONT Get(UiFontRole role) const { return fonts_[static_cast<int>(role)].Get(); }
  DpiScale Scale() const { return scale_; }

 private:
  UniqueFont fonts_[3];
  DpiScale scale_;
};

// Width of a text in a font, as GDI measures it.
int MeasureTextWidth(HFONT font, const std::string& text);

}  // namespace haltwise
