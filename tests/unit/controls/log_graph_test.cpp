#include "controls/log_graph.h"

#include <gtest/gtest.h>

#include <memory>

#include "controls/log_graph_text.h"
#include "controls/main_window_displays.h"
#include "controls/tile_image.h"
#include "gfx/builtin_font.h"
#include "unit/gfx/pixel_art.h"

namespace haltwise {
namespace {

constexpr Color kBackground = 0x4A0000;
constexpr Color kText = 0xCC9B6F;

struct GraphFixture : ::testing::Test {
  BuiltinFontRasteriser fonts;
  ClassicSystemColors colors;
  TLogGraph graph{fonts, colors, "lgCPU"};
  int invalidates = 0;
  int renders = 0;

  GraphFixture() {
    ApplyMainWindowGraphSettings(graph, clRed, "%");
    graph.Changed.Connect([this] { ++invalidates; });
    graph.Rendered.Connect([this] { ++renders; });
  }
  // The lit rows of a bar column as "top-bottom", or "" when none.
  std::string Bar(int x) const {
    int top = -1, bottom = -1;
    for (int y = 0; y < graph.Height(); ++y) {
      if (graph.Surface().Pixel(x, y) != graph.ColorFg()) continue;
      if (top < 0) top = y;
      bottom = y;
    }
    return top < 0 ? "" : std::to_string(top) + "-" + std::to_string(bottom);
  }
  // The surface equals the picture without any text plus `text` in the
  // text colour, centred at row `y`.
  ::testing::AssertionResult ShowsText(const std::string& text, int y) {
    const Bitmap32 shown = graph.Surface();
    const bool dispUpper = graph.DispUpper();
    graph.SetDispUpper(false);
    graph.Paint();
    Bitmap32 expected = graph.Surface();
    graph.SetDispUpper(dispUpper);
    graph.Paint();
    Canvas canvas(expected, colors, fonts);
    canvas.font.color = kText;
    canvas.brush.hollow = true;
    canvas.WriteText(graph.Width() / 2 - canvas.TextWidth(text) / 2, y, text);
    if (shown == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the graph does not show \"" << text << "\"";
  }
};

using LogGraph = GraphFixture;

TEST_F(LogGraph, MainWindowGraphHolds30BarsRisingFromRow48) {
  EXPECT_EQ(graph.ValuesCount(), 30);
  EXPECT_DOUBLE_EQ(graph.Scale(), 49.0 / 101);
  EXPECT_EQ(graph.Baseline(), 48);
  for (std::int64_t v : {100, 50, 0, 150}) graph.AddValue(v);
  EXPECT_EQ(graph.Value(29), 150);
  EXPECT_EQ(Bar(78), "0-48");                                // 100 fills the column
  EXPECT_EQ(Bar(81), "24-48");                               // 50 reaches row 24
  EXPECT_EQ(Bar(84), "48-48");                               // 0 is one pixel on the baseline
  EXPECT_EQ(Bar(87), "0-48");                                // 150 is clamped to full height...
  EXPECT_TRUE(ShowsText("150 %", 0));                        // ...while its text is the real value
  for (int x : {0, 3, 75}) EXPECT_EQ(Bar(x), "48-48") << x;  // the zeros of the history
  for (int x : {1, 2, 88, 91}) EXPECT_EQ(Bar(x), "") << x;
  EXPECT_EQ(graph.Surface().Pixel(1, 10), kBackground);
}

TEST_F(LogGraph, RangesBeyond32BitsKeepTheBarsInProportion) {
  // Memory "Available Bytes" of a machine with 6 GB free: the range widens
  // past 2^31, and half of it still reaches the middle row.
  graph.SetValueMin(0);
  graph.SetValueMax(6442450944);
  graph.AddValue(3221225472);
  graph.AddValue(6442450944);
  EXPECT_EQ(Bar(84), "24-48");
  EXPECT_EQ(Bar(87), "0-48");
  EXPECT_TRUE(ShowsText("6442450944 %", 0));
  graph.SetValueMin(-9223372036854775807 - 1);  // the whole 64-bit range: no overflow
  graph.SetValueMax(9223372036854775807);
  EXPECT_EQ(graph.Baseline(), 24);
}

TEST_F(LogGraph, NegativeValuesHangBelowTheBaseline) {
  graph.SetValueMin(-100);  // scale 49 / 201, baseline round(101 * scale) - 1 = 24
  ASSERT_EQ(graph.Baseline(), 24);
  graph.AddValue(-50);
  graph.AddValue(-1000);
  EXPECT_EQ(Bar(84), "24-35");  // to row round(150 * scale) - 1 = 36, not drawn
  EXPECT_EQ(Bar(87), "24-47");  // clamped to ValueMin: row 48 is the end point
}

TEST_F(LogGraph, ValueTextsFollowDivisorAndUnit) {
  graph.AddValue(42);
  EXPECT_TRUE(ShowsText("42 %", 0));
  graph.SetAfterString(" Kb/s");  // a leading blank gets no second one
  graph.Paint();
  EXPECT_TRUE(ShowsText("42 Kb/s", 0));
  graph.SetDispAfter(false);
  graph.SetDivisor(10);
  graph.Paint();
  EXPECT_TRUE(ShowsText("4.2", 0));
  graph.SetBevel(TBevelCut::bvRaised);
  graph.Paint();
  EXPECT_TRUE(ShowsText("4.2", 1));

  graph.SetDivisor(0);  // bars without text
  graph.Paint();
  const Bitmap32 withoutText = graph.Surface();
  graph.SetDispUpper(false);
  graph.Paint();
  EXPECT_EQ(graph.Surface(), withoutText);
}

TEST(LogGraphText, OneDecimalTextsAndShortenedCaptions) {
  const std::tuple<std::int64_t, std::int32_t, const char*> values[] = {
      {1234, 1000, "1.2"}, {7, 10, "0.7"},   {-5, 10, "-0.5"},
      {42, 1, "42.0"},     {25, 100, "0.2"}, {35, 100, "0.4"},  // ties to even
      {-1, 100, "0.0"},    {0, 7, "0.0"},    {-123456, 10, "-12345.6"},
  };
  for (const auto& [value, divisor, text] : values) {
    EXPECT_EQ(OneDecimalText(value, divisor), text) << value << " / " << divisor;
  }
  const auto width = [](const std::string& text) { return 6 * static_cast<int>(text.size()); };
  EXPECT_EQ(FitCaption("CPU", 18, width), "CPU");
  EXPECT_EQ(FitCaption("Processor", 30, width), "Proc.");
  EXPECT_EQ(FitCaption("Disk bytes", 36, width), "Disk.");  // the blank before "." goes
  EXPECT_EQ(FitCaption("Wide", 3, width), ".");
  EXPECT_EQ(FitCaption("", -1, width), ".");
}

TEST_F(LogGraph, LabelViewStacksCaptionValueAndUnit) {
  graph.SetViewStyle(TViewStyle::vsLabels);
  graph.SetDescString("Processor Time %");  // 96 pixels in a 92-pixel plot: cut
  graph.AddValue(42);
  const int h = 11;  // the built-in font's cell for the default height -11
  const std::map<Color, char> legend = {{kBackground, '.'}, {kText, '#'}};
  Bitmap32 expected(92, 49, kBackground);
  Canvas canvas(expected, colors, fonts);
  canvas.font.color = kText;
  canvas.brush.hollow = true;
  canvas.WriteText(46 - 90 / 2, 0, "Processor Time.");
  canvas.WriteText(46 - 24 / 2, 49 / 2 - h / 2, "42.0");
  canvas.WriteText(46 - 6 / 2, 49 - h, "%");
  EXPECT_EQ(test::Art(graph.Surface(), legend), test::Art(expected, legend));
}

TEST_F(LogGraph, LayoutGuardsAndLimits) {
  graph.SetValueMax(-1);  // an empty range: drawn as a range of one value
  EXPECT_DOUBLE_EQ(graph.Scale(), 49.0);
  graph.AddValue(5);
  graph.SetValueMax(100);

  graph.SetBetweenSpace(0);  // refused
  EXPECT_EQ(graph.BetweenSpace(), 3);
  graph.SetWidth(5000);
  graph.Paint();
  EXPECT_EQ(graph.Width(), 3000);
  EXPECT_EQ(graph.ValuesCount(), 1000);

  graph.SetBevel(TBevelCut::bvLowered);
  graph.SetWidth(92);
  graph.Paint();
  EXPECT_EQ(graph.ValuesCount(), 30);  // (92 - 2) / 3
  EXPECT_EQ(graph.PlotRect(), (Rect{1, 1, 91, 48}));
  EXPECT_EQ(graph.Baseline(), 47);  // round(101 * 47 / 101)

  graph.SetWidth(2);  // room for no value: nothing stored, no text
  graph.AddValue(7);
  EXPECT_EQ(graph.ValuesCount(), 0);

  graph.SetWidth(92);
  graph.SetShowLine(true);
  graph.SetLinePos(-2000000000);  // far below: drawn outside, quickly
  EXPECT_EQ(graph.Surface().Pixel(40, 40), kBackground);
  graph.SetLinePos(50);
  // Row round(50 * 49 / 101) - 1 = 23 with LinePen $CC9B6F, 2 pixels wide.
  EXPECT_EQ(graph.Surface().Pixel(40, 22), kText);
  EXPECT_EQ(graph.Surface().Pixel(40, 23), kText);
  EXPECT_EQ(graph.Surface().Pixel(40, 24), kBackground);
}

TEST_F(LogGraph, BevelsDrawLightAndDarkEdges) {
  graph.SetHeight(4);
  graph.SetWidth(5);
  graph.SetDispUpper(false);
  const std::map<Color, char> legend = {
      {clWhite, 'H'}, {RgbColor(128, 128, 128), 'S'}, {kBackground, '.'}, {clRed, 'r'}};
  graph.SetBevel(TBevelCut::bvRaised);
  graph.Paint();
  EXPECT_EQ(test::Art(graph.Surface(), legend),
            "HHHH.\n"
            "H...S\n"
            "Hr..S\n"
            "HSSSS");
  graph.SetBevel(TBevelCut::bvLowered);
  graph.Paint();
  EXPECT_EQ(test::Art(graph.Surface(), legend),
            "SSSS.\n"
            "S...H\n"
            "Sr..H\n"
            "SHHHH");
}

TEST_F(LogGraph, SettersEitherInvalidateOrRender) {
  struct Case {
    const char* what;
    std::function<void()> change;
    int invalidates, renders;
  };
  const Case cases[] = {
      {"ColorFg", [&] { graph.SetColorFg(clLime); }, 1, 0},
      {"ColorFg again", [&] { graph.SetColorFg(clLime); }, 0, 0},
      {"AfterString", [&] { graph.SetAfterString("Kb/s"); }, 1, 0},
      {"DescString in vsGraph", [&] { graph.SetDescString("x"); }, 0, 0},
      {"ValueMax", [&] { graph.SetValueMax(200); }, 1, 0},
      {"BetweenSpace", [&] { graph.SetBetweenSpace(2); }, 0, 1},
      {"ColorText", [&] { graph.SetColorText(kText); }, 0, 1},
      {"LinePos", [&] { graph.SetLinePos(0); }, 0, 1},
      {"LinePen",
       [&] {
         graph.SetLinePen({clRed, 1});
       },
       0, 1},
      {"AddValue", [&] { graph.AddValue(1); }, 0, 1},
      {"AddValue hidden",
       [&] {
         graph.SetVisible(false);
         invalidates = 0;
         graph.AddValue(1);
       },
       0, 0},
  };
  for (const Case& c : cases) {
    invalidates = renders = 0;
    c.change();
    EXPECT_EQ(invalidates, c.invalidates) << c.what;
    EXPECT_EQ(renders, c.renders) << c.what;
  }
  EXPECT_EQ(graph.ValuesCount(), 46);  // BetweenSpace 2
}

TEST_F(LogGraph, BorrowedBackgroundsTileFromTheirOwnPosition) {
  auto tiles = std::make_unique<TTileImage>(colors);
  Bitmap32 tile(2, 2, clBlack);
  tile.SetPixel(0, 0, clWhite);
  tiles->SetPicture(tile);
  tiles->SetBounds(5, 5, 100, 100);
  graph.SetBounds(8, 6, 92, 49);  // the tile grid starts at (-3, -1) in the graph
  graph.SetTileImage(tiles.get());
  graph.SetDispUpper(false);
  graph.Paint();
  const std::map<Color, char> legend = {{clWhite, 'W'}, {clBlack, '.'}, {clRed, 'r'}};
  EXPECT_EQ(test::Art(graph.Surface(), legend, {0, 0, 5, 3}),
            ".....\n"
            ".W.W.\n"
            ".....");

  tiles->SetPicture(Bitmap32(0, 7));  // a picture of zero size is not tiled
  graph.Paint();
  EXPECT_EQ(graph.Surface().Pixel(1, 1), kBackground);

  TTileImage image(colors);
  image.SetBounds(9, 6, 1, 1);
  image.SetPicture(Bitmap32(1, 1, clWhite));
  graph.SetImage(&image);
  graph.Paint();
  EXPECT_EQ(graph.Surface().Pixel(1, 0), clWhite);      // drawn once at its place
  EXPECT_EQ(graph.Surface().Pixel(2, 0), kBackground);  // the rest is not filled...

  tiles.reset();  // a destroyed control leaves no dangling reference
  EXPECT_EQ(graph.TileImage(), nullptr);
  graph.Paint();
}

TEST(TileImage, TilesOrDrawsOnceAndSkipsEmptyPictures) {
  ClassicSystemColors colors;
  TTileImage image(colors);
  image.SetBounds(0, 0, 5, 3);
  image.SetBackgroundColor(clBlack);
  Bitmap32 tile(2, 2, clWhite);
  tile.SetPixel(1, 1, clRed);
  image.SetPicture(tile);
  const std::map<Color, char> legend = {{clWhite, 'W'}, {clBlack, '.'}, {clRed, 'r'}};
  image.Paint();
  EXPECT_EQ(test::Art(image.Surface(), legend), "WW...\nWr...\n.....");
  image.SetTileImage(true);
  image.Paint();
  EXPECT_EQ(test::Art(image.Surface(), legend), "WWWWW\nWrWrW\nWWWWW");
  image.SetPicture(Bitmap32(3, 0));
  image.Paint();
  EXPECT_EQ(test::Art(image.Surface(), legend), ".....\n.....\n.....");
}

}  // namespace
}  // namespace haltwise
