// Skin bitmaps that exist but cannot be read, one file at a time, each
// broken another way. One error box names the file; that picture stays
// built in, the others load, and start-up goes on: the command line is
// applied and the date pickers are set. The window then runs a watch.
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
    // The broken file's picture, which stays built in.
    std::optional<Bitmap32> Pictures::*picture;
  };
  const Bytes good = GoodBitmap();
  Bytes cutShort = good;
  cutShort.resize(good.size() - 3);
  const Cell cells[] = {
      {"MainForm.bmp", Bytes{'B', 'M', 'n', 'o', 't'}, "(bitmap header beyond the end)",
       &Pictures::mainForm},
      {"BtnUp.bmp", Bytes(good.begin() + 2, good.end()), "it is not a BMP file",
       &Pictures::buttonUp},
      {"BtnDn.bmp", Bytes{}, "(file header beyond the end)", &Pictures::buttonDown},
      {"Leds.bmp", Patched(good, 28, 2), "unsupported format of 2 bits per pixel", &Pictures::leds},
      {"btnStartOff.bmp", cutShort, "(pixel data beyond the end)", &Pictures::startOff},
      // JPEG data inside a BMP is for printers, not for screens.
      {"btnStartOn.bmp", Patched(good, 30, 4), "unsupported compression 4 for 8 bits per pixel",
       &Pictures::startOn},
  };
  const std::optional<Bitmap32> Pictures::*order[] = {&Pictures::mainForm,   &Pictures::buttonUp,
                                                      &Pictures::buttonDown, &Pictures::leds,
                                                      &Pictures::startOff,   &Pictures::startOn};
  const std::filesystem::path skin = folder / "Skin";
  for (const Cell& cell : cells) {
    SCOPED_TRACE(cell.file);
    NewCell();
    std::filesystem::create_directories(skin);
    for (const char* name : {"MainForm.bmp", "BtnUp.bmp", "BtnDn.bmp", "Leds.bmp",
                             "btnStartOff.bmp", "btnStartOn.bmp"}) {
      const Bytes& bytes = std::string(name) == cell.file ? cell.content : good;
      std::ofstream(skin / name, std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()));
    }

    StartHandled(kArguments);

    const std::vector<std::string> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    const std::string named =
        "error: Cannot read the bitmap \"" + (skin / cell.file).string() + "\": ";
    EXPECT_EQ(boxes[0].rfind(named, 0), 0u) << boxes[0];
    EXPECT_NE(boxes[0].find(cell.reason), std::string::npos) << boxes[0];
    for (const auto picture : order) {
      EXPECT_EQ((form->skinPictures.*picture).has_value(), picture != cell.picture);
    }
    EXPECT_TRUE(form->chkShutdown.Down());  // the command line was applied
    EXPECT_FALSE(form->AskConfirmation);
    EXPECT_EQ(form->DateSched.Value(), clock.Now() + 1);
    EXPECT_TRUE(form->tmrCpu.Enabled());

    RunFollowUpWatch();
    EXPECT_EQ(Boxes().back(), kFollowUpMessage);
  }
}

}  // namespace
}  // namespace haltwise::testing
