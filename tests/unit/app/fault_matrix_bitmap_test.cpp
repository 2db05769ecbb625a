// Skin bitmaps that exist but cannot be read, one file at a time, each
// broken another way. The error names the file and ends the window's
// creation there (the pictures loaded before it stay, the command line is
// not applied); the toolkit shows it and the window still runs a watch.
#include <fstream>

#include "fault_matrix_fixture.h"
#include "gfx/bmp.h"

namespace haltwise::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes GoodBitmap() {
  Bitmap32 picture(4, 2, clWhite);
  picture.SetPixel(1, 1, clBlack);
  return WriteBmp(picture, {8, false});
}

Bytes Patched(Bytes bytes, std::size_t offset, std::uint8_t value) {
  bytes[offset] = value;
  return bytes;
}

using BitmapFaults = FaultMatrixFixture;

TEST_F(BitmapFaults, EachSkinBitmapBrokenInTurn) {
  using Pictures = TfrmShutdown::SkinPictures;
  struct Cell {
    const char* file;
    Bytes content;
    const char* reason;
    // The pictures in the order they are loaded; the broken one and those
    // after it stay built in.
    std::optional<Bitmap32> Pictures::*picture;
  };
  const Bytes good = GoodBitmap();
  Bytes cutShort = good;
  cutShort.resize(good.size() - 3);
  const Cell cells[] = {
      {"MainForm.bmp", Bytes{'B', 'M', 'n', 'o', 't'}, "(bitmap header beyond the end)",
       &Pictures::mainForm},
      {"BtnUp.bmp", Bytes(good.begin() + 2, good.end()), "it is not a BMP file", &Pictures::buttonUp},
      {"BtnDn.bmp", Bytes{}, "(file header beyond the end)", &Pictures::buttonDown},
      {"Leds.bmp", Patched(good, 28, 2), "unsupported format of 2 bits per pixel", &Pictures::leds},
      {"btnStartOff.bmp", cutShort, "(pixel data beyond the end)", &Pictures::startOff},
      // JPEG data inside a BMP is for printers, not for screens.
      {"btnStartOn.bmp", Patched(good, 30, 4), "unsupported compression 4 for 8 bits per pixel",
       &Pictures::startOn},
  };
  const std::optional<Bitmap32> Pictures::*order[] = {&Pictures::mainForm, &Pictures::buttonUp,
                                                      &Pictures::buttonDown, &Pictures::leds,
                                                      &Pictures::startOff, &Pictures::startOn};
  const std::filesystem::path skin = folder / "Skin";
  for (const Cell& cell : cells) {
    SCOPED_TRACE(cell.file);
    NewCell();
    std::filesystem::create_directories(skin);
    for (const char* name : {"MainForm.bmp", "BtnUp.bmp", "BtnDn.bmp", "Leds.bmp", "btnStartOff.bmp",
                             "btnStartOn.bmp"}) {
      const Bytes& bytes = std::string(name) == cell.file ? cell.content : good;
      std::ofstream(skin / name, std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    StartHandled(kArguments);

    const std::vector<std::string> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    const std::string named = "default: Cannot read the bitmap \"" + (skin / cell.file).string() + "\": ";
    EXPECT_EQ(boxes[0].rfind(named, 0), 0u) << boxes[0];
    EXPECT_NE(boxes[0].find(cell.reason), std::string::npos) << boxes[0];
    bool before = true;
    for (const auto picture : order) {
      if (picture == cell.picture) before = false;
      EXPECT_EQ((form->skinPictures.*picture).has_value(), before);
    }
    EXPECT_FALSE(form->chkShutdown.Down());  // the command line was not applied
    EXPECT_TRUE(form->tmrCpu.Enabled());

    RunFollowUpWatch();
    EXPECT_EQ(Boxes().back(), kFollowUpMessage);
  }
}

}  // namespace
}  // namespace haltwise::testing
