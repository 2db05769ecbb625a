#include "gfx/canvas.h"

#include <gtest/gtest.h>

#include "gfx/builtin_font.h"
#include "unit/gfx/pixel_art.h"

namespace haltwise {
namespace {

using test::Art;

constexpr Color kPaper = clWhite;
constexpr Color kInk = clBlack;
constexpr Color kFill = clRed;
const std::map<Color, char> kLegend = {{kPaper, '.'}, {kInk, '#'}, {kFill, 'o'}};

struct CanvasFixture : ::testing::Test {
  Bitmap32 image{6, 5, kPaper};
  ClassicSystemColors colors;
  BuiltinFontRasteriser fonts;
  Canvas canvas{image, colors, fonts};
  CanvasFixture() {
    canvas.pen.color = kInk;
    canvas.brush.color = kFill;
  }
};

using GfxCanvas = CanvasFixture;

TEST_F(GfxCanvas, LinesLeaveOutTheirEndPoint) {
  canvas.MoveTo(0, 0);
  canvas.LineTo(4, 0);
  canvas.MoveTo(5, 4);
  canvas.LineTo(5, 1);
  canvas.MoveTo(0, 1);
  canvas.LineTo(3, 4);
  EXPECT_EQ(Art(image, kLegend),
            "####..\n"
            "#.....\n"
            ".#...#\n"
            "..#..#\n"
            ".....#");
}

TEST_F(GfxCanvas, EachPolylineLeavesOutOnlyItsLastPoint) {
  // The lowered frame of a 6 x 5 panel: light, then dark.
  canvas.pen.color = kFill;
  const Point light[] = {{5, 0}, {5, 4}, {-1, 4}};
  canvas.Polyline(light);
  canvas.pen.color = kInk;
  const Point dark[] = {{5, 0}, {0, 0}, {0, 4}};
  canvas.Polyline(dark);
  EXPECT_EQ(Art(image, kLegend),
            "######\n"
            "#....o\n"
            "#....o\n"
            "#....o\n"
            "oooooo");
}

TEST_F(GfxCanvas, RectangleAndEllipseOutlineWithThePenAndFillWithTheBrush) {
  canvas.Rectangle({0, 0, 4, 4});
  EXPECT_EQ(Art(image, kLegend, {0, 0, 5, 5}),
            "####.\n"
            "#oo#.\n"
            "#oo#.\n"
            "####.\n"
            ".....");
  image.Fill(kPaper);
  canvas.Ellipse({0, 0, 6, 5});
  EXPECT_EQ(Art(image, kLegend),
            ".####.\n"
            "#oooo#\n"
            "#oooo#\n"
            "#oooo#\n"
            ".####.");
  image.Fill(kPaper);
  canvas.Ellipse({2, 2, 3, 3});  // a 1 x 1 ellipse is one pixel of the pen
  EXPECT_EQ(image.Pixel(2, 2), kInk);
  canvas.brush.hollow = true;
  image.Fill(kPaper);
  canvas.Rectangle({0, 0, 3, 3});
  EXPECT_EQ(image.Pixel(1, 1), kPaper);
}

TEST_F(GfxCanvas, WidePensCoverASquareAroundThePath) {
  canvas.pen.width = 2;
  canvas.MoveTo(0, 2);
  canvas.LineTo(6, 2);
  EXPECT_EQ(Art(image, kLegend),
            "......\n"
            "######\n"
            "######\n"
            "......\n"
            "......");
}

TEST_F(GfxCanvas, SystemColoursAreResolvedWhenDrawn) {
  canvas.brush.color = clBtnFace;
  canvas.FillRect({0, 0, 1, 1});
  canvas.SetPixel(1, 0, clBtnShadow);
  EXPECT_EQ(image.Pixel(0, 0), RgbColor(192, 192, 192));
  EXPECT_EQ(image.Pixel(1, 0), RgbColor(128, 128, 128));
}

TEST_F(GfxCanvas, TextIsOpaqueOnASolidBrushAndHollowOtherwise) {
  Bitmap32 wide(14, 10, kPaper);
  Canvas text(wide, colors, fonts);
  text.font.height = -9;
  text.font.color = kInk;
  text.brush.color = kFill;
  ASSERT_EQ(text.TextExtent("1"), (TextSize{6, 9}));
  text.WriteText(0, 0, "1");
  text.brush.hollow = true;
  text.WriteText(7, 0, "1");
  EXPECT_EQ(Art(wide, kLegend, {0, 0, 14, 10}),
            "oooooo........\n"
            "oo#ooo...#....\n"
            "o##ooo..##....\n"
            "oo#ooo...#....\n"
            "oo#ooo...#....\n"
            "oo#ooo...#....\n"
            "oo#ooo...#....\n"
            "o###oo..###...\n"
            "oooooo........\n"
            "..............");
}

TEST_F(GfxCanvas, DrawClipsAtEveryEdgeAndAndKeepsCommonBits) {
  Bitmap32 source(3, 3, kInk);
  source.SetPixel(1, 1, kFill);
  canvas.Draw(-1, -1, source, {0, 0, 3, 3});
  canvas.Draw(4, 3, source, {1, 1, 3, 3});  // the lower-right part of the source
  EXPECT_EQ(Art(image, kLegend),
            "o#....\n"
            "##....\n"
            "......\n"
            "....o#\n"
            "....##");
  canvas.Draw(1, 1, Bitmap32(1, 1, RgbColor(0x0F, 0xF0, 0xFF)), {0, 0, 1, 1},
              Canvas::CopyMode::kAnd);
  canvas.Draw(0, 2, Bitmap32(1, 1, RgbColor(0x0F, 0xF0, 0xFF)), {0, 0, 1, 1},
              Canvas::CopyMode::kAnd);
  EXPECT_EQ(image.Pixel(1, 1), kInk);
  EXPECT_EQ(image.Pixel(0, 2), RgbColor(0x0F, 0xF0, 0xFF));
}

}  // namespace
}  // namespace haltwise
