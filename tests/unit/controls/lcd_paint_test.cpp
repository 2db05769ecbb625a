#include <gtest/gtest.h>

#include "controls/lcd_screen.h"
#include "gfx/builtin_font.h"
#include "unit/controls/lcd_test_support.h"
#include "unit/gfx/pixel_art.h"

namespace haltwise {
namespace {

using test::Art;
using test::DotArt;

constexpr Color kUnlit = 0x0000AA;

// A small panel: dots are single pixels without gaps unless a test says otherwise.
struct SmallPanel : ::testing::Test {
  BuiltinFontRasteriser fonts;
  ClassicSystemColors colors;
  TLCDScreen lcd{fonts, colors};
  std::map<Color, char> legend;

  SmallPanel() {
    lcd.SetColor(clBlack);
    lcd.SetPixelOff(kUnlit);
    lcd.SetIntensity(0);
    FontSpec font = lcd.Font();
    font.height = -9;
    font.color = 0x000055;  // lit: 0xAA - 0x55 in red
    lcd.SetFont(font);
    lcd.SetPixelSize(TPixelSize::pix1x1);
    lcd.SetPixelSpacing(0);
    legend = {{clWhite, 'H'},
              {RgbColor(128, 128, 128), 'S'},
              {clBlack, ' '},
              {kUnlit, 'o'},
              {lcd.DotColors().on, '#'}};
  }
  void Resize(int width, int height, int borderSpace) {
    lcd.SetBorderSpace(static_cast<std::int8_t>(borderSpace));
    lcd.SetWidth(width);
    lcd.SetHeight(height);
    lcd.Paint();
  }
};

using LcdPaint = SmallPanel;

TEST_F(LcdPaint, FrameIsTwoPolylinesAndDisabledPanelsShowNoDots) {
  Resize(6, 5, 1);
  EXPECT_EQ(Art(lcd.Surface(), legend),
            "SSSSSS\n"
            "SooooH\n"
            "SooooH\n"
            "SooooH\n"
            "HHHHHH");
  lcd.SetBorderStyle(TLCDBorder::bsRaised);
  lcd.SetEnabled(false);
  lcd.Paint();
  EXPECT_EQ(Art(lcd.Surface(), legend),
            "HHHHHH\n"
            "H    S\n"
            "H    S\n"
            "H    S\n"
            "SSSSSS");
  lcd.SetVisible(false);  // an invisible panel paints nothing
  lcd.SetBorderStyle(TLCDBorder::bsLowered);
  EXPECT_EQ(lcd.Surface().Pixel(0, 0), clWhite);
}

TEST_F(LcdPaint, RoundDotsAreLitOnlyWhereLitEachOnASquareOfTheOffColour) {
  lcd.SetDisplayMode(TDisplayMode::dmBitmap);
  lcd.SetBorderStyle(TLCDBorder::bsNone);
  lcd.SetPixelShape(TPixelShape::psRound);
  lcd.SetPixelSize(TPixelSize::pix4x4);
  lcd.SetPixelSpacing(1);
  lcd.SetBitmap(Bitmap32(1, 1, clBlack));
  Resize(9, 4, 0);
  EXPECT_EQ(Art(lcd.Surface(), legend),
            "o##o oooo\n"
            "#### oooo\n"
            "#### oooo\n"
            "o##o oooo");
  lcd.SetPixelSize(TPixelSize::pix1x1);
  lcd.SetPixelSpacing(0);
  lcd.Paint();
  EXPECT_EQ(Art(lcd.Surface(), legend, {0, 0, 3, 1}), "#oo");  // a 1 x 1 round dot is a pixel
}

TEST_F(LcdPaint, BitmapLayerReplacesOrJoinsTheTextLayer) {
  Bitmap32 picture(2, 2, clWhite);
  picture.SetPixel(0, 0, RgbColor(40, 40, 40));  // dark grey counts as black
  lcd.SetBorderStyle(TLCDBorder::bsNone);
  lcd.SetLines({"-"});
  lcd.SetBitmap(picture);
  lcd.SetBitmapYOffset(3);
  lcd.SetDisplayMode(TDisplayMode::dmBoth);
  Resize(8, 6, 0);
  EXPECT_EQ(DotArt(lcd, 7, 6).substr(8 * 3, 15), "#......\n..###..");
  lcd.SetBitmapCopyMode(TBitmapCopyMode::cmTransparent);
  EXPECT_EQ(DotArt(lcd, 7, 6).substr(8 * 3, 15), "#......\n#####..");
  lcd.SetDisplayMode(TDisplayMode::dmText);
  EXPECT_EQ(DotArt(lcd, 7, 6).substr(8 * 3, 15), ".......\n#####..");
}

TEST_F(LcdPaint, ABlankPanelHasOnlyUnlitDots) {
  lcd.SetPixelSize(TPixelSize::pix2x2);
  lcd.SetPixelSpacing(1);
  lcd.SetBorderStyle(TLCDBorder::bsNone);
  Resize(8, 5, 0);  // 3 x 2 dots of 2 x 2; the odd pixel rows stay background
  EXPECT_EQ(Art(lcd.Surface(), legend),
            "oo oo oo\n"
            "oo oo oo\n"
            "        \n"
            "oo oo oo\n"
            "oo oo oo");
}

}  // namespace
}  // namespace haltwise
