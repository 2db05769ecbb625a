#include "controls/lcd_glyph_cache.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "controls/lcd_screen.h"
#include "controls/main_window_displays.h"
#include "gfx/builtin_font.h"

namespace haltwise {
namespace {

// Counts what the LCD asks the platform to rasterise.
class CountingFonts : public FontRasteriser {
 public:
  TextSize MeasureText(const FontSpec& font, std::string_view text) override {
    return inner_.MeasureText(font, text);
  }
  Bitmap1 RenderText(const FontSpec& font, std::string_view text) override {
    ++renders;
    return inner_.RenderText(font, text);
  }
  int renders = 0;

 private:
  BuiltinFontRasteriser inner_;
};

// A minute of a count-down on the main window's panel: the eleven glyphs
// 0 to 9 and ":" are rasterised once and reused every second after.
TEST(LcdGlyphCache, ACountDownRasterisesEachCharacterOnce) {
  CountingFonts fonts;
  ClassicSystemColors colors;
  TLCDScreen lcd(fonts, colors);
  ApplyMainWindowLcdSettings(lcd);
  std::set<char> shown;
  for (int second = 0; second < 100; ++second) {
    char text[16];
    std::snprintf(text, sizeof(text), "00:00:%02d:%02d", (99 - second) / 60, (99 - second) % 60);
    lcd.SetLines({text});
    for (const char c : std::string(text)) shown.insert(c);
  }
  EXPECT_EQ(shown.size(), 11u);
  EXPECT_EQ(fonts.renders, 11);
  EXPECT_EQ(lcd.GlyphCache().Misses(), 11u);
  EXPECT_GE(lcd.GlyphCache().Hits(), 100u * 11 - 11);
}

TEST(LcdGlyphCache, StyleAndSizeAreTheirOwnGlyphsButColourIsNot) {
  CountingFonts fonts;
  LcdGlyphCache cache(fonts);
  FontSpec font;
  font.name = "Small Fonts";
  font.height = -9;
  const Bitmap1 plain = cache.Glyph(font, 'W');
  font.color = 0x0000FF;
  EXPECT_EQ(cache.Glyph(font, 'W'), plain);
  EXPECT_EQ(fonts.renders, 1);
  font.bold = true;
  EXPECT_NE(cache.Glyph(font, 'W'), plain);
  font.bold = false;
  font.height = -18;
  EXPECT_NE(cache.Glyph(font, 'W'), plain);
  EXPECT_EQ(fonts.renders, 3);
  EXPECT_EQ(cache.Hits(), 1u);
  EXPECT_EQ(cache.Misses(), 3u);
}

}  // namespace
}  // namespace haltwise
