#include "gfx/bmp.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "platform/error.h"
#include "unit/gfx/pixel_art.h"
#include "unit/gfx/test_data.h"

namespace haltwise {
namespace {

using test::Art;

const std::map<Color, char> kLegend = {
    {clWhite, '.'}, {clBlack, '#'}, {clRed, 'r'}, {RgbColor(0, 0, 255), 'b'}, {clLime, 'g'}};

std::vector<std::uint8_t> FileBytes(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<std::uint8_t>(c));
    std::fclose(f);
  }
  return bytes;
}

TEST(GfxBmp, ReadsFilesOfEveryDepthAndOrientationFromAnotherEncoder) {
  const std::pair<const char*, const char*> cases[] = {
      {"bilevel_1bpp.bmp", "#....\n.#...\n....#"},
      {"palette_4bpp.bmp", "r....\n.b...\n....g"},
      {"truecolor_24bpp.bmp", "r....\n.b...\n....g"},
      {"topdown_24bpp.bmp", "r....\n.b...\n....g"},
      {"bitfields_32bpp.bmp", "r....\n.b...\n....g"},  // alpha is dropped
      {"rgb555_16bpp.bmp", "r....\n.b...\n....g"},     // no masks: 5-5-5
      {"rgb565_16bpp.bmp", "r....\n.b...\n....g"},     // bit fields: 5-6-5
      {"rle8_8bpp.bmp", "r....\n.b...\n....g"},        // runs past the width are clipped
      // Pixels a delta or an early end of line leaves out are black.
      {"rle8_delta.bmp", "gg....\n###bgb\n######\nrrrrrr"},
      {"rle4_delta.bmp", "r.r.r.r\nrbgrb..\n##...g#\n.g.g.gg"},
  };
  for (const auto& [file, picture] : cases) {
    const Bitmap32 image = ReadBmpFile(test::TestDataPath(std::string("bmp/") + file));
    EXPECT_EQ(Art(image, kLegend), picture) << file;
  }
  const Bitmap32 ramp = ReadBmpFile(test::TestDataPath("bmp/palette_8bpp.bmp"));
  ASSERT_EQ(ramp.Width(), 20);
  ASSERT_EQ(ramp.Height(), 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 20; ++x) {
      EXPECT_EQ(ramp.Pixel(x, y), RgbColor(static_cast<std::uint8_t>(10 * x),
                                           static_cast<std::uint8_t>(100 + 50 * y), 200));
    }
  }
}

Bitmap32 ImageWithColours(int count) {
  Bitmap32 image(13, 5, clBlack);  // odd width: rows need padding at every depth
  for (int i = 0; i < 13 * 5; ++i) {
    image.SetPixel(i % 13, i / 13,
                   RgbColor(static_cast<std::uint8_t>(i % count * 7),
                            static_cast<std::uint8_t>(i % count), 99));
  }
  return image;
}

TEST(GfxBmp, RoundTripsEveryDepthBothWaysUp) {
  const std::pair<int, int> depths[] = {{1, 2}, {4, 16}, {8, 65}, {24, 65}, {32, 65}};
  for (const auto& [bits, colours] : depths) {
    for (bool topDown : {false, true}) {
      const Bitmap32 image = ImageWithColours(colours);
      const auto bytes = WriteBmp(image, {bits, topDown});
      EXPECT_EQ(ReadBmp(bytes, "memory"), image) << bits << " bits, top-down " << topDown;
    }
  }
  const std::string path = ::testing::TempDir() + "gfx_bmp_round_trip.bmp";
  WriteBmpFile(ImageWithColours(65), path);
  EXPECT_EQ(ReadBmpFile(path), ImageWithColours(65));
  std::remove(path.c_str());
}

TEST(GfxBmp, WritesTopDownRowsFirstAndRefusesTooManyColours) {
  Bitmap32 image(1, 2, clWhite);
  image.SetPixel(0, 0, clRed);
  const auto topDown = WriteBmp(image, {24, true});
  EXPECT_EQ(topDown[54 + 2], 0xFF);  // the first stored row is the red top row
  const auto bottomUp = WriteBmp(image, {24, false});
  EXPECT_EQ(bottomUp[54 + 2], 0xFF);
  EXPECT_EQ(bottomUp[54 + 1], 0xFF);  // ...and here the white bottom row
  EXPECT_THROW(WriteBmp(ImageWithColours(3), {1, false}), Error);
  EXPECT_THROW(WriteBmp(ImageWithColours(17), {4, false}), Error);
}

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The palette cut to its first colours, as a file that claims fewer colours
// than its pixels use: those past the table are black, as Windows draws them.
TEST(GfxBmp, PaletteIndexPastTheTableIsBlack) {
  // palette_4bpp holds red, lime, blue, white; rle8_delta white, red, blue, lime.
  const std::tuple<const char*, std::uint32_t, const char*> cases[] = {
      {"bmp/palette_4bpp.bmp", 2, "r####\n#####\n####g"},
      {"bmp/rle8_delta.bmp", 3, "##....\n###b#b\n######\nrrrrrr"},
  };
  for (const auto& [file, colours, picture] : cases) {
    auto bytes = FileBytes(test::TestDataPath(file));
    ASSERT_GT(bytes.size(), 54u) << file;
    PutU32(bytes, 46, colours);
    EXPECT_EQ(Art(ReadBmp(bytes, file), kLegend), picture) << file;
  }
}

// Run-length data that ends early, or whose escapes point past the
// picture, is read as far as it goes and never outside either buffer.
TEST(GfxBmp, RunLengthDataIsBoundsChecked) {
  const auto original = FileBytes(test::TestDataPath("bmp/rle8_delta.bmp"));
  ASSERT_EQ(original.size(), 92u);
  const std::size_t pixels = original.size() - 22;  // the last 22 bytes are the data
  using Edit = std::function<void(std::vector<std::uint8_t>&)>;
  const std::tuple<const char*, Edit, const char*> cases[] = {
      {"cut after the first row", [&](auto& b) { b.resize(pixels + 4); },
       "######\n######\n######\nrrrrrr"},
      {"cut inside a delta", [&](auto& b) { b.resize(pixels + 6); },
       "######\n######\n######\nrrrrrr"},
      {"cut inside literal pixels", [&](auto& b) { b.resize(pixels + 10); },
       "######\n######\n######\nrrrrrr"},
      {"a delta far past the right edge and the last row",
       [&](auto& b) {
         b[pixels + 6] = 255;
         b[pixels + 7] = 255;
       },
       "######\n######\n######\nrrrrrr"},
      {"an image size that stops after the first row", [&](auto& b) { PutU32(b, 34, 4); },
       "######\n######\n######\nrrrrrr"},
  };
  for (const auto& [what, edit, picture] : cases) {
    std::vector<std::uint8_t> bytes = original;
    edit(bytes);
    EXPECT_EQ(Art(ReadBmp(bytes, "Skin\\Leds.bmp"), kLegend), picture) << what;
  }
}

TEST(GfxBmp, TruncatedLyingOrUnsupportedFilesRaiseAnErrorNamingTheFile) {
  const auto truecolor = FileBytes(test::TestDataPath("bmp/truecolor_24bpp.bmp"));
  const auto palette = FileBytes(test::TestDataPath("bmp/palette_4bpp.bmp"));
  const auto rle8 = FileBytes(test::TestDataPath("bmp/rle8_delta.bmp"));
  ASSERT_EQ(truecolor.size(), 102u);
  using Edit = std::function<void(std::vector<std::uint8_t>&)>;
  const std::tuple<const char*, const std::vector<std::uint8_t>*, Edit> cases[] = {
      {"empty", &truecolor, [](auto& b) { b.clear(); }},
      {"only the file header", &truecolor, [](auto& b) { b.resize(14); }},
      {"one byte of pixels short", &truecolor, [](auto& b) { b.pop_back(); }},
      {"no signature", &truecolor, [](auto& b) { b[0] = 'X'; }},
      {"pixel offset past the end", &truecolor, [](auto& b) { PutU32(b, 10, 0xFFFFFFF0); }},
      {"pixel offset one row late", &truecolor, [](auto& b) { PutU32(b, 10, 54 + 16); }},
      {"header size past the end", &truecolor, [](auto& b) { PutU32(b, 14, 0xFFFFFFF0); }},
      {"unknown header size", &truecolor, [](auto& b) { PutU32(b, 14, 20); }},
      {"huge width", &truecolor, [](auto& b) { PutU32(b, 18, 0x7FFFFFFF); }},
      {"huge height", &truecolor, [](auto& b) { PutU32(b, 22, 0x40000000); }},
      {"most negative height", &truecolor, [](auto& b) { PutU32(b, 22, 0x80000000); }},
      {"zero width", &truecolor, [](auto& b) { PutU32(b, 18, 0); }},
      {"run-length compressed 24 bits", &truecolor, [](auto& b) { PutU32(b, 30, 1); }},
      {"4-bit runs in an 8-bit file", &rle8, [](auto& b) { PutU32(b, 30, 2); }},
      {"run-length data stored top-down", &rle8, [](auto& b) { PutU32(b, 22, 0xFFFFFFFD); }},
      {"run-length data past the end", &rle8, [](auto& b) { PutU32(b, 10, 0x10000); }},
      {"a huge run-length picture", &rle8,
       [](auto& b) {
         PutU32(b, 18, 0x10000);
         PutU32(b, 22, 0x10000);
       }},
      {"more palette colours than the depth holds", &palette, [](auto& b) { PutU32(b, 46, 17); }},
      {"palette cut short", &palette,
       [](auto& b) {
         PutU32(b, 46, 16);
         b.resize(60);
       }},
  };
  for (const auto& [what, original, edit] : cases) {
    std::vector<std::uint8_t> bytes = *original;
    edit(bytes);
    try {
      ReadBmp(bytes, "Skin\\BtnUp.bmp");
      ADD_FAILURE() << what << ": no error";
    } catch (const Error& e) {
      EXPECT_NE(e.Message().find("\"Skin\\BtnUp.bmp\""), std::string::npos)
          << what << ": " << e.what();
    }
  }
  EXPECT_THROW(ReadBmpFile(test::TestDataPath("bmp/no_such_file.bmp")), Error);
}

}  // namespace
}  // namespace haltwise
