#pragma once
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "gfx/font_rasteriser.h"

namespace haltwise {

// Text rasterised by GDI without anti-aliasing (NONANTIALIASED_QUALITY)
// into a monochrome DIB section. Fonts are created once per typeface,
// height and style and kept.
class GdiFontRasteriser : public FontRasteriser {
 public:
  GdiFontRasteriser();
  ~GdiFontRasteriser() override;
  GdiFontRasteriser(const GdiFontRasteriser&) = delete;
  GdiFontRasteriser& operator=(const GdiFontRasteriser&) = delete;

  TextSize MeasureText(const FontSpec& font, std::string_view text) override;
  Bitmap1 RenderText(const FontSpec& font, std::string_view text) override;

 private:
  struct Gdi;
  std::unique_ptr<Gdi> gdi_;
};

}  // namespace haltwise
