#include <gtest/gtest.h>

#include <set>

#include "ui/look/layout.h"
#include "ui/look/picture_scaling.h"

namespace haltwise {
namespace {

constexpr Color G = kTransparentGreen;
constexpr Color kRed = RgbColor(200, 0, 0);
constexpr Color kBlue = RgbColor(0, 0, 200);

TEST(ScalePicture, BlendsBetweenPixelsInsteadOfRepeatingThem) {
  Bitmap32 picture(2, 1, kRed);
  picture.SetPixel(1, 0, kBlue);
  const Bitmap32 scaled = ScalePicture(picture, 4, 1);
  EXPECT_EQ(scaled.Pixel(0, 0), kRed);
  EXPECT_EQ(scaled.Pixel(3, 0), kBlue);
  // The inner pixels lie a quarter and three quarters of the way across.
  EXPECT_EQ(scaled.Pixel(1, 0), RgbColor(150, 0, 50));
  EXPECT_EQ(scaled.Pixel(2, 0), RgbColor(50, 0, 150));
}

TEST(ScalePicture, CutOutKeepsAHardEdgeWithoutGreenFringes) {
  // A red shape with a transparent column at its left and a hole.
  Bitmap32 picture(6, 4, kRed);
  for (int y = 0; y < 4; ++y) picture.SetPixel(0, y, G);
  picture.SetPixel(3, 2, G);
  for (int dpi : {120, 144, 192}) {
    const DpiScale scale(dpi);
    const Bitmap32 scaled = ScalePicture(picture, scale(6), scale(4), G);
    std::set<Color> colours;
    for (int y = 0; y < scaled.Height(); ++y) {
      for (int x = 0; x < scaled.Width(); ++x) colours.insert(scaled.Pixel(x, y));
    }
    EXPECT_EQ(colours, (std::set<Color>{G, kRed})) << dpi;
    EXPECT_EQ(scaled.Pixel(0, 0), G);
    EXPECT_EQ(scaled.Pixel(scaled.Width() - 1, 0), kRed);
  }
}

TEST(ScalePicture, SameSizeIsUnchanged) {
  Bitmap32 picture(3, 2, kRed);
  picture.SetPixel(1, 1, kBlue);
  EXPECT_EQ(ScalePicture(picture, 3, 2), picture);
}

TEST(PicturesAt, FollowTheLayoutAndKeepTheStripsStates) {
  const MainWindowPictures design = DrawPictures(DefaultPalette());
  const MainWindowPictures at150 = PicturesAt(design, {}, DpiScale(144));
  EXPECT_EQ(at150.form.Width(), 947);
  EXPECT_EQ(at150.form.Height(), 654);
  EXPECT_EQ(at150.form.Pixel(0, 0), G);
  EXPECT_EQ(at150.buttonUp.Width(), 162);  // 108 * 1.5
  const int state = at150.leds.Width() / kGlyphStates;
  EXPECT_EQ(at150.leds.Width(), state * kGlyphStates);
  EXPECT_EQ(state, DpiScale(144)(design.leds.Width() / kGlyphStates));

  EXPECT_EQ(PicturesAt(design, {}, DpiScale()).form, design.form);
}

TEST(PicturesAt, LargePicturesServeEveryScaleAbove96Dpi) {
  MainWindowPictures design;
  design.form = Bitmap32(631, 10, kBlue);
  design.leds = Bitmap32(4 * 13, 13, kBlue);
  design.startOn = Bitmap32(51, 41, kBlue);
  MainWindowPictures large;
  large.form = Bitmap32(1262, 20, kRed);
  large.leds = Bitmap32(4 * 26, 26, kRed);
  for (int dpi : {120, 144, 192}) {
    const MainWindowPictures at = PicturesAt(design, large, DpiScale(dpi));
    EXPECT_EQ(at.form.Width(), DpiScale(dpi)(631)) << dpi;
    EXPECT_EQ(at.form.Pixel(0, 0), kRed) << dpi;
    EXPECT_EQ(at.leds.Pixel(0, 0), kRed) << dpi;
    EXPECT_EQ(at.startOn.Pixel(0, 0), kBlue) << dpi;  // no large one: the 96 DPI one grows
  }
  const MainWindowPictures at150 = PicturesAt(design, large, DpiScale(144));
  EXPECT_EQ(at150.leds.Width(), 4 * 20);  // 19.5 up to whole states
  EXPECT_EQ(at150.leds.Height(), 20);
  const MainWindowPictures at100 = PicturesAt(design, large, DpiScale());
  EXPECT_EQ(at100.form, design.form);
  EXPECT_EQ(at100.leds, design.leds);
}

}  // namespace
}  // namespace haltwise
