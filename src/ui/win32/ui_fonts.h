#pragma once
#include "gfx/font.h"
#include "ui/win32/gdi_handles.h"

namespace haltwise {

// The fonts of the program's windows. The same FontSpec draws captions in
// software (through the font rasteriser) and sets the font of native
// controls, so both look alike.
FontSpec UiFontSpec(bool bold = false);
FontSpec SplashTitleFontSpec();
UniqueFont CreateUiFont(const FontSpec& fontSpec);
// Width of a text in a font, as GDI measures it.
int MeasureTextWidth(HFONT font, const char* text);

}  // namespace haltwise
