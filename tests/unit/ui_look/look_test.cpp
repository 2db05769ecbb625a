#include <gtest/gtest.h>

#include "gfx/builtin_font.h"
#include "ui/look/layout.h"
#include "ui/look/pictures.h"
#include "ui/look/sentence_layout.h"
#include "ui/look/window_shape.h"
#include "ui/look/word_wrap.h"

namespace haltwise {
namespace {

constexpr Color G = kTransparentGreen;
constexpr Color K = clBlack;

TEST(WindowShape, RunsSkipGreenAndSplitAtHoles) {
  Bitmap32 picture(5, 3, K);
  picture.SetPixel(0, 0, G);
  picture.SetPixel(4, 0, G);
  picture.SetPixel(2, 1, G);
  for (int x = 0; x < 5; ++x) picture.SetPixel(x, 2, G);
  const std::vector<Rect> expected = {{1, 0, 4, 1}, {0, 1, 2, 2}, {3, 1, 5, 2}};
  EXPECT_EQ(OpaqueRuns(picture, G), expected);
}

TEST(BuiltinPictures, FitTheirControlsAndRoundTheWindow) {
  const MainWindowPictures p = DrawPictures(DefaultPalette());
  EXPECT_EQ(p.form.Width(), layout::kFormWidth);
  EXPECT_EQ(p.form.Height(), layout::kFormHeight);
  EXPECT_EQ(p.form.Pixel(0, 0), G);  // rounded corners are cut out
  EXPECT_EQ(p.form.Pixel(layout::kFormWidth - 1, layout::kFormHeight - 1), G);
  EXPECT_NE(p.form.Pixel(layout::kFormWidth / 2, 2), G);
  EXPECT_EQ(p.buttonUp.Width(), layout::kModeButtonWidth);
  EXPECT_EQ(p.buttonDown.Height(), layout::kModeButtonHeight);
  EXPECT_EQ(p.leds.Width(), p.leds.Height() * kGlyphStates);
  EXPECT_EQ(p.startOn.Width(), layout::kStart.Width());
  EXPECT_NE(p.buttonUp, p.buttonDown);
  EXPECT_NE(p.startOff, p.startOn);
}

TEST(Layout, ModeButtonsFillTheirGroupExactly) {
  EXPECT_EQ(layout::ModeButton(0).left, layout::kModeGroup.left);
  EXPECT_EQ(layout::ModeButton(1).right, layout::kModeGroup.right);
  EXPECT_EQ(layout::ModeButton(5).bottom, layout::kModeGroup.bottom);
  EXPECT_EQ(layout::ModeButton(4).Height(), 32);
}

class WordWrapTest : public ::testing::Test {
 protected:
  BuiltinFontRasteriser fonts;  // 6 pixels a character
  FontSpec font;
};

TEST_F(WordWrapTest, BreaksAtBlanksLineBreaksAndInsideLongWords) {
  struct Case {
    const char* text;
    int width;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"No shutdown in progress.", 600, {"No shutdown in progress."}},
      {"aaa bbb ccc", 42, {"aaa bbb", "ccc"}},
      {"one\r\ntwo", 600, {"one", "two"}},
      {"abcdefghij", 24, {"abcd", "efgh", "ij"}},
      // Two-byte letters, measured here by their bytes, are never split.
      {"\xD0\xA2\xD0\xB5\xD1\x81\xD1\x82", 18, {"\xD0\xA2", "\xD0\xB5", "\xD1\x81", "\xD1\x82"}},
      {"", 100, {""}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WrapText(fonts, font, c.text, c.width), c.lines) << c.text;
  }
  const int line = fonts.MeasureText(font, "W").height;
  EXPECT_EQ(WrappedTextHeight(fonts, font, "aaa bbb ccc", 42), 2 * line);
}

}  // namespace
}  // namespace haltwise

namespace haltwise {
namespace {

TEST(SentenceLayout, WordsAndControlsFlowAndWrapAtThePageWidth) {
  const auto width = [](const std::string& text) { return static_cast<int>(text.size()) * 6; };
  SentenceMetrics m;
  m.width = 120;
  // "Shutdown when usage is under [50] % for [40] minutes."
  const std::vector<SentencePiece> pieces = {
      {"Shutdown when usage is under"}, {"", 0, 50}, {"% for"}, {"", 1, 40}, {"minutes."}};
  const std::vector<PlacedPiece> placed = LayoutSentence(pieces, m, width);
  struct Expected {
    const char* text;
    int controlId, left, top;
  };
  const Expected expected[] = {
      {"Shutdown when usage", -1, 0, 4},  // 19 characters: "is" would pass 120 px
      {"is under", -1, 0, 26},
      {"", 0, 52, 22},
      {"%", -1, 106, 26},
      {"for", -1, 0, 48},  // "% for" no longer fits: split at the blank
      {"", 1, 22, 44},
      {"minutes.", -1, 66, 48},
  };
  ASSERT_EQ(placed.size(), std::size(expected));
  for (std::size_t i = 0; i < placed.size(); ++i) {
    EXPECT_EQ(placed[i].text, expected[i].text) << i;
    EXPECT_EQ(placed[i].controlId, expected[i].controlId) << i;
    EXPECT_EQ(placed[i].place.left, expected[i].left) << i;
    EXPECT_EQ(placed[i].place.top, expected[i].top) << i;
  }
}

TEST(SentenceLayout, BreakBeforeStartsARow) {
  const auto width = [](const std::string& text) { return static_cast<int>(text.size()) * 6; };
  SentenceMetrics m;
  m.width = 500;
  const std::vector<PlacedPiece> placed =
      LayoutSentence({{"of"}, {"", 0, 100, true}, {"between"}}, m, width);
  ASSERT_EQ(placed.size(), 3u);
  EXPECT_EQ(placed[1].place, (Rect{0, m.rowHeight, 100, m.rowHeight + m.controlHeight}));
  EXPECT_EQ(placed[2].place.left, 104);
}

}  // namespace
}  // namespace haltwise

#include "ui/look/button_faces.h"

namespace haltwise {
namespace {

TEST(ButtonFaces, GlyphToggleShowsTheCellOfItsStateOnItsSquare) {
  ClassicSystemColors colors;
  BuiltinFontRasteriser fonts;
  const FaceTools tools{colors, fonts};
  const Color cells[kGlyphStates] = {clRed, clYellow, clLime, clPurple};
  Bitmap32 strip(4 * kGlyphStates, 4);
  for (int state = 0; state < kGlyphStates; ++state) {
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) strip.SetPixel(state * 4 + x, y, cells[state]);
    }
  }
  const Bitmap32 background(40, 18, clWhite);
  FaceText text;
  for (int state = 0; state < kGlyphStates; ++state) {
    const Bitmap32 face =
        GlyphToggleFace(tools, background, strip, static_cast<GlyphState>(state), clMaroon, text);
    EXPECT_EQ(face.Pixel(3, 8), cells[state]) << state;
    EXPECT_EQ(face.Pixel(0, 0), clMaroon);
  }
  const Bitmap32 noSquare =
      GlyphToggleFace(tools, background, strip, GlyphState::kUp, clNone, text);
  EXPECT_EQ(noSquare.Pixel(0, 0), clWhite);
}

TEST(ButtonFaces, ImageButtonDrawsItsImageAndCaptionInTheFontColour) {
  ClassicSystemColors colors;
  BuiltinFontRasteriser fonts;
  const Bitmap32 background(60, 20, clWhite), image(60, 20, clBlack);
  FaceText text{"Go", {}, false};
  text.font.color = clYellow;
  const Bitmap32 face = ImageButtonFace({colors, fonts}, background, image, text);
  int ink = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 60; ++x) ink += face.Pixel(x, y) == clYellow;
  }
  EXPECT_GT(ink, 10);
  EXPECT_EQ(face.Pixel(0, 0), clBlack);
}

}  // namespace
}  // namespace haltwise
