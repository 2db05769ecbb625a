// libFuzzer target: BMP files as a skin folder may hold them. Every input is
// either refused with the program's own error or read into a bitmap that,
// written again as a 24-bit BMP, reads back pixel for pixel.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_support.h"
#include "gfx/bmp.h"
#include "platform/error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace haltwise;
  Bitmap32 image;
  try {
    image = ReadBmp(std::span(data, size), "fuzz.bmp");
  } catch (const Error&) {
    return 0;
  }
  fuzz::Check(!image.Empty(), "a bitmap that was read has pixels");
  const Bitmap32 again = ReadBmp(WriteBmp(image, {24, false}), "round trip");
  fuzz::Check(again == image, "a bitmap reads back as it was written");
  return 0;
}
