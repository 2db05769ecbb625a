#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/lcd_cell_table.h"
#include "controls/lcd_text_image.h"
#include "gfx/builtin_font.h"
#include "unit/gfx/pixel_art.h"

namespace haltwise {
namespace {

// A row as "character:attributes" pairs, e.g. "a0 b4".
std::string Cells(const LcdCellTable& table, int row) {
  std::string text;
  for (const LcdCell& cell : table.RowCells(row)) {
    if (!text.empty()) text += ' ';
    text += cell.character + std::to_string(cell.attributes);
  }
  return text;
}

TEST(LcdMarkup, TagsSetAndClearAttributesThatCarryOverLines) {
  struct Case {
    std::vector<std::string> lines;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {{"a<q>b"}, {"a0 <0 q0 >0 b0"}},                // not a tag: shown as it is
      {{"<B>x"}, {"<0 B0 >0 x0"}},                    // tags are case-sensitive
      {{"<b>ab", "cd</b>e"}, {"a4 b4", "c4 d4 e0"}},  // the state carries over
      {{"<b><b>x</b>y"}, {"x4 y0"}},                  // tags do not count
      {{"</i>x<i"}, {"x0 <0 i0"}},                    // closing an unset flag; a cut tag
      {{"<u><s><i><bl><inv>x</inv></bl></s>y"}, {"x59 y9"}},
      {{"<b>", "", "z"}, {"", "", "z4"}},  // a line of only tags stores nothing
  };
  for (const Case& c : cases) {
    LcdCellTable table;
    table.Parse(c.lines);
    for (std::size_t row = 0; row < c.rows.size(); ++row) {
      EXPECT_EQ(Cells(table, static_cast<int>(row)), c.rows[row]) << c.lines[0];
    }
  }
}

TEST(LcdMarkup, KeepsAt255CharactersAnd256LinesAndClearsBeforeEveryParse) {
  std::vector<std::string> lines(300, "y");
  lines[0] = std::string(254, 'a') + "bc<u>";  // the tag after the dropped "c" still counts
  LcdCellTable table;
  table.Parse(lines);
  const auto first = table.RowCells(0);
  ASSERT_EQ(first.size(), 255u);
  EXPECT_EQ(first.back().character, 'b');
  EXPECT_EQ(Cells(table, 1), "y1");
  EXPECT_EQ(Cells(table, 255), "y1");

  table.Parse({"q"});
  EXPECT_EQ(Cells(table, 0), "q0");
  EXPECT_EQ(Cells(table, 1), "");
}

TEST(LcdMarkup, StoredEffectSetsUseTheEnumerationOrder) {
  EXPECT_EQ((TSpecialEffects{TSpecialEffect::spBlink, TSpecialEffect::spStrike}).Bits(), 1 + 32);
  EXPECT_EQ((TSpecialEffects{TSpecialEffect::spBold, TSpecialEffect::spItalic}).Bits(), 2 + 8);
  const TSpecialEffects all = TSpecialEffects::FromBits(0xFF);  // unknown bits are dropped
  EXPECT_EQ(all.Bits(), 63);
  EXPECT_TRUE(all.Contains(TSpecialEffect::spUnderline));
  EXPECT_FALSE(TSpecialEffects::FromBits(4).Contains(TSpecialEffect::spBold));
}

struct TextImageFixture : ::testing::Test {
  BuiltinFontRasteriser fonts;
  LcdGlyphCache glyphs{fonts};
  LcdCellTable table;
  Bitmap1 Build(const std::vector<std::string>& lines, TSpecialEffects effects, int fontHeight = -9,
                bool blinkPhase = false) {
    table.Parse(lines);
    FontSpec font;
    font.height = fontHeight;
    font.bold = true;  // the font's own style is dropped
    return BuildLcdTextImage(table, static_cast<int>(lines.size()), {font, effects, blinkPhase},
                             glyphs);
  }
};

using LcdTextImage = TextImageFixture;

TEST_F(LcdTextImage, EnabledEffectsStyleTheMarkedCharactersOnly) {
  const std::vector<std::string> lines = {"<b>ab", "cd</b>e"};
  const Bitmap1 plain = Build(lines, {});
  EXPECT_EQ(plain.Width(), 3 * 6);
  EXPECT_EQ(plain.Height(), 2 * 9);
  const Bitmap1 bold = Build(lines, {TSpecialEffect::spBold});
  EXPECT_EQ(bold.Width(), 2 * 7 + 6);  // "c" and "d" bold, "e" not
  EXPECT_EQ(Build({"<b>ab"}, {TSpecialEffect::spBold}).Width(), 14);

  const Bitmap1 underlined = Build({"<u>a</u>b"}, {TSpecialEffect::spUnderline});
  EXPECT_TRUE(underlined.Ink(0, 8));
  EXPECT_FALSE(underlined.Ink(6, 8));
}

TEST_F(LcdTextImage, InverseVideoAndEmptyLines) {
  EXPECT_EQ(test::Art(Build({"<inv>-</inv>-"}, {TSpecialEffect::spInverse}, -9)),
            "######......\n"
            "######......\n"
            "######......\n"
            "######......\n"
            ".....######.\n"
            "######......\n"
            "######......\n"
            "######......\n"
            "######......");
  EXPECT_FALSE(Build({"<inv>-"}, {}).Ink(0, 0));  // spInverse not enabled
  // Blink-marked characters are inverse in the lit phase only.
  EXPECT_TRUE(Build({"<bl>-"}, {TSpecialEffect::spBlink}, -9, true).Ink(0, 0));
  EXPECT_FALSE(Build({"<bl>-"}, {TSpecialEffect::spBlink}, -9, false).Ink(0, 0));

  const Bitmap1 spaced = Build({"<b></b>", "x", ""}, {}, -20);
  EXPECT_EQ(spaced.Width(), 6);
  EXPECT_EQ(spaced.Height(), 20 + 20 + 20);  // a line without characters: |font height|
}

}  // namespace
}  // namespace haltwise
