#include "controls/lcd_screen.h"

#include <gtest/gtest.h>

#include "controls/main_window_displays.h"
#include "gfx/builtin_font.h"
#include "platform/fake/fake_user_notifier.h"
#include "unit/controls/lcd_test_support.h"
#include "unit/gfx/pixel_art.h"

namespace haltwise {
namespace {

using test::Art;
using test::DotArt;

struct LcdFixture : ::testing::Test {
  BuiltinFontRasteriser fonts;
  ClassicSystemColors colors;
  fake::FakeUserNotifier notifier;
  TLCDScreen lcd{fonts, colors};
  int renders = 0;
  LcdFixture() {
    lcd.SetNotifier(&notifier);
    lcd.Rendered.Connect([this] { ++renders; });
  }
};

using LcdScreen = LcdFixture;

TEST_F(LcdScreen, SnapsToWholeDots) {
  EXPECT_EQ(lcd.Width(), 143);  // created at 145 x 65 with 3 pixels of border space
  EXPECT_EQ(lcd.Height(), 65);
  EXPECT_EQ(lcd.Columns(), 46);
  EXPECT_EQ(lcd.Rows(), 20);

  ApplyMainWindowLcdSettings(lcd);
  lcd.Paint();
  EXPECT_EQ(lcd.Width(), 140);
  EXPECT_EQ(lcd.Height(), 26);
  EXPECT_EQ(lcd.Columns(), 47);
  EXPECT_EQ(lcd.Rows(), 9);

  lcd.SetPixelSize(TPixelSize::pix16x16);
  EXPECT_EQ(lcd.Columns(), 8);  // (140 + 1) / 17
  EXPECT_EQ(lcd.Rows(), 1);
  EXPECT_EQ(lcd.Width(), 16 * 8 + 7);
  EXPECT_EQ(lcd.Height(), 16);
  lcd.SetPixelWidth(3);  // not custom: ignored without a message
  EXPECT_EQ(lcd.PixelWidth(), 16);
  EXPECT_TRUE(notifier.shown.empty());

  lcd.SetWidth(10);  // too small for one dot: no dots, no negative size
  lcd.SetHeight(10);
  lcd.Paint();
  EXPECT_EQ(lcd.Columns(), 0);
  EXPECT_EQ(lcd.Width(), 0);
  EXPECT_TRUE(lcd.Surface().Empty());
}

TEST_F(LcdScreen, CustomDotSizesBelowOneShowTheErrorBoxAndKeepTheOldValue) {
  lcd.SetPixelSize(TPixelSize::pixCustom);
  lcd.SetPixelWidth(5);
  lcd.SetPixelHeight(0);
  lcd.SetPixelWidth(static_cast<std::int8_t>(200));  // 128 to 255 count as negative
  EXPECT_EQ(lcd.PixelWidth(), 5);
  EXPECT_EQ(lcd.PixelHeight(), 2);
  EXPECT_EQ(notifier.shown, (std::vector<std::string>{"error: Value must be between 1 and 255.",
                                                      "error: Value must be between 1 and 255."}));
  lcd.Paint();
  EXPECT_EQ(lcd.Columns(), (143 - 6 + 1) / 6);
}

TEST_F(LcdScreen, DotColoursAreTheScaledDifferenceOfPixelOffAndFontColour) {
  struct Case {
    Color pixelOff, font;
    std::int8_t intensity;
    LcdDotColors expected;
  };
  const Case cases[] = {
      // The main window: red MulDiv(128, 34, 255) = 17, green MulDiv(128, -119, 255) = -60 -> 196.
      {0x222222, 0x009900, 127, {RgbColor(17, 196, 17), 0x222222}},
      {0x222222, 0x009900, -127, {0x222222, RgbColor(17, 196, 17)}},     // negative swaps them
      {0x222222, 0x009900, 0, {RgbColor(34, 137, 34), 0x222222}},        // -119 -> 137
      {0xAAAAAA, clWindowText, -128, {0xAAAAAA, RgbColor(85, 85, 85)}},  // k = 127
      {clBtnFace, clBtnShadow, 127, {RgbColor(32, 32, 32), RgbColor(192, 192, 192)}},
  };
  for (const Case& c : cases) {
    lcd.SetPixelOff(c.pixelOff);
    lcd.SetFontColor(c.font);
    lcd.SetIntensity(c.intensity);
    EXPECT_EQ(lcd.DotColors(), c.expected)
        << std::hex << c.pixelOff << " " << c.font << " " << std::dec << int{c.intensity};
  }
}

TEST_F(LcdScreen, MainWindowPanelShowsTheTimeWithTheTopFontRowCutOff) {
  ApplyMainWindowLcdSettings(lcd);
  lcd.Paint();
  // The built-in font's cell is 9 rows with a blank top row; -1 lifts the
  // glyphs to the first dot row. Eight characters of six dots fill 47 columns.
  EXPECT_EQ(DotArt(lcd),
            ".###...###.........###...###.........###...###.\n"
            "#...#.#...#..##...#...#.#...#..##...#...#.#...#\n"
            "#..##.#..##..##...#..##.#..##..##...#..##.#..##\n"
            "#.#.#.#.#.#.......#.#.#.#.#.#.......#.#.#.#.#.#\n"
            "##..#.##..#..##...##..#.##..#..##...##..#.##..#\n"
            "#...#.#...#..##...#...#.#...#..##...#...#.#...#\n"
            ".###...###.........###...###.........###...###.\n"
            "...............................................\n"
            "...............................................");
  // A lit dot is 2 x 2 in the on colour; the 1-pixel gaps keep the background.
  const std::map<Color, char> legend = {
      {RgbColor(17, 196, 17), '#'}, {0x222222, 'o'}, {0x040404, ' '}};
  EXPECT_EQ(Art(lcd.Surface(), legend, {0, 0, 7, 4}),
            "oo ## #\n"
            "oo ## #\n"
            "       \n"
            "## oo o");
  EXPECT_EQ(lcd.Surface().Pixel(139, 25), 0x222222u);  // the last dot reaches the corner
  EXPECT_EQ(lcd.Surface().Pixel(2, 25), 0x040404u);
  lcd.SetLinesYOffset(0);
  EXPECT_EQ(DotArt(lcd, 5, 2), ".....\n.###.");
}

TEST_F(LcdScreen, TextSplitsAtLineBreaksAndEndsEachLineWithOne) {
  lcd.SetText("00:00:00:00");
  EXPECT_EQ(lcd.Text(), "00:00:00:00\r\n");
  lcd.SetText("a\r\nb\nc\r\r\n");
  EXPECT_EQ(lcd.Lines(), (std::vector<std::string>{"a", "b", "c", ""}));
  EXPECT_EQ(lcd.Text(), "a\r\nb\r\nc\r\n\r\n");

  renders = 0;
  lcd.SetText("");  // no lines: no text, but a repaint all the same
  EXPECT_EQ(lcd.Text(), "");
  EXPECT_EQ(renders, 1);
  EXPECT_TRUE(lcd.TextImage().Empty());
  EXPECT_EQ(DotArt(lcd, 3, 2), "...\n...");
}

}  // namespace
}  // namespace haltwise
