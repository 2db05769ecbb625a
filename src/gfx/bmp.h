#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gfx/bitmap32.h"

namespace haltwise {

// Windows BMP files as Windows itself reads them: 1, 4, 8, 16, 24 and 32
// bits per pixel, bottom-up or top-down; 16 and 32 bits also with bit-field
// masks (16 bits without them are 5-5-5); 4 and 8 bits also run-length
// encoded. A palette index past the table is black. Bytes are untrusted: a
// truncated file, a header whose sizes or offsets point outside the data,
// or another format raise Error naming the file.
Bitmap32 ReadBmp(std::span<const std::uint8_t> bytes, const std::string& name);
Bitmap32 ReadBmpFile(const std::string& path);

struct BmpFormat {
  int bitsPerPixel = 24;
  bool topDown = false;
};

// Formats of 8 bits and fewer get a palette of the image's colours in the
// order they first appear; an image with more colours than the format
// holds raises Error.
std::vector<std::uint8_t> WriteBmp(const Bitmap32& bitmap, BmpFormat format = {});
void WriteBmpFile(const Bitmap32& bitmap, const std::string& path, BmpFormat format = {});

}  // namespace haltwise
