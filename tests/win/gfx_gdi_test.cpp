#include <gtest/gtest.h>

#include "gfx/canvas.h"
#include "platform/win32/gdi_font_rasteriser.h"
#include "platform/win32/gdi_system_colors.h"
#include "platform/win32/windows_api.h"

namespace haltwise {
namespace {

const FontSpec kSmallFonts{"Small Fonts", -9};

TEST(GdiFontRasteriser, MeasuresAndDrawsSmallFontsWithoutGreys) {
  GdiFontRasteriser fonts;
  const TextSize digit = fonts.MeasureText(kSmallFonts, "0");
  EXPECT_GE(digit.height, 9);  // the cell holds at least the 9-pixel characters
  EXPECT_LE(digit.height, 14);
  EXPECT_GT(digit.width, 2);
  const TextSize time = fonts.MeasureText(kSmallFonts, "00:00:00:00");
  EXPECT_EQ(time.height, digit.height);
  EXPECT_GT(time.width, 8 * digit.width);

  const Bitmap1 zero = fonts.RenderText(kSmallFonts, "0");
  ASSERT_EQ(zero.Width(), digit.width);
  ASSERT_EQ(zero.Height(), digit.height);
  int ink = 0;
  for (int y = 0; y < zero.Height(); ++y) {
    for (int x = 0; x < zero.Width(); ++x) ink += zero.Ink(x, y) ? 1 : 0;
  }
  EXPECT_GT(ink, 6);                                 // a drawn digit...
  EXPECT_LT(ink, zero.Width() * zero.Height() / 2);  // ...on white paper
  EXPECT_EQ(fonts.RenderText(kSmallFonts, "").Width(), 0);

  FontSpec bold = kSmallFonts;
  bold.bold = true;
  EXPECT_GE(fonts.MeasureText(bold, "00").width, time.width * 2 / 11);
}

TEST(GdiFontRasteriser, CanvasTextUsesTheFontColourOnly) {
  GdiFontRasteriser fonts;
  GdiSystemColors colors;
  Bitmap32 image(40, 16, clWhite);
  Canvas canvas(image, colors, fonts);
  canvas.font = kSmallFonts;
  canvas.font.color = clRed;
  canvas.brush.hollow = true;
  canvas.WriteText(2, 2, "42");
  int red = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (Color c : image.Row(y)) {
      EXPECT_TRUE(c == clRed || c == clWhite) << std::hex << c;  // no anti-aliased greys
      red += c == clRed ? 1 : 0;
    }
  }
  EXPECT_GT(red, 8);
}

TEST(GdiSystemColors, ResolvesThroughGetSysColor) {
  GdiSystemColors colors;
  EXPECT_EQ(colors.Resolve(clBtnFace), static_cast<Color>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(colors.Resolve(clBtnShadow), static_cast<Color>(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(colors.Resolve(0x123456), 0x123456u);
}

}  // namespace
}  // namespace haltwise
