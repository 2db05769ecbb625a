#include "gfx/bitmap1.h"

#include <gtest/gtest.h>

namespace haltwise {
namespace {

TEST(GfxBitmap1, RowsAreBytesWithTheMostSignificantBitLeftmost) {
  Bitmap1 image(10, 2);
  ASSERT_EQ(image.RowBytes(), 2);
  image.SetInk(0, 0, true);
  image.SetInk(9, 0, true);
  image.SetInk(3, 1, true);
  EXPECT_EQ(image.Row(0)[0], 0x80);
  EXPECT_EQ(image.Row(0)[1], 0x40);
  EXPECT_EQ(image.Row(1)[0], 0x10);
  EXPECT_FALSE(image.Ink(10, 0));  // outside reads as paper
  image.SetInk(10, 0, true);       // and is not written
  EXPECT_EQ(image.Row(0)[1], 0x40);
}

TEST(GfxBitmap1, InvertKeepsThePaddingBitsClear) {
  Bitmap1 image(3, 1);
  image.SetInk(1, 0, true);
  image.Invert();
  EXPECT_EQ(image.Row(0)[0], 0xA0);  // 101 then five clear padding bits
}

TEST(GfxBitmap1, ResizeKeepsTheTopLeftAndGrowsWithPaper) {
  Bitmap1 image(2, 2);
  image.SetInk(1, 1, true);
  image.Resize(9, 3);
  EXPECT_TRUE(image.Ink(1, 1));
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 9; ++x) EXPECT_EQ(image.Ink(x, y), x == 1 && y == 1) << x << "," << y;
  }
  image.Resize(0, 5);  // a zero-width image still has a height
  EXPECT_EQ(image.Height(), 5);
  EXPECT_TRUE(image.Empty());
}

TEST(GfxBitmap1, BlitClipsAndEitherReplacesOrAddsInk) {
  Bitmap1 source(2, 2);
  source.SetInk(0, 0, true);  // ink top-left, paper elsewhere
  Bitmap1 target(3, 3);
  for (int x = 0; x < 3; ++x) target.SetInk(x, 2, true);

  Bitmap1 replaced = target;
  replaced.Blit(1, 1, source, Bitmap1::Blend::kReplace);
  EXPECT_TRUE(replaced.Ink(1, 1));
  EXPECT_FALSE(replaced.Ink(1, 2));  // paper replaced the ink
  EXPECT_FALSE(replaced.Ink(2, 2));
  EXPECT_TRUE(replaced.Ink(0, 2));

  Bitmap1 added = target;
  added.Blit(1, 1, source, Bitmap1::Blend::kOr);
  EXPECT_TRUE(added.Ink(1, 1));
  EXPECT_TRUE(added.Ink(1, 2));
  EXPECT_TRUE(added.Ink(2, 2));

  Bitmap1 clipped = target;
  clipped.Blit(-1, -1, source, Bitmap1::Blend::kReplace);  // only (1,1) of the source lands
  EXPECT_FALSE(clipped.Ink(0, 0));
  clipped.Blit(2, 2, source, Bitmap1::Blend::kReplace);
  EXPECT_TRUE(clipped.Ink(2, 2));
}

}  // namespace
}  // namespace haltwise
