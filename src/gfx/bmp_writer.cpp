#include <algorithm>
#include <fstream>
#include <unordered_map>

#include "gfx/bmp.h"
#include "platform/error.h"
#include "platform/file_path.h"

namespace haltwise {

namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

std::vector<Color> PaletteOf(const Bitmap32& bitmap, int bitsPerPixel) {
  const std::size_t capacity = std::size_t{1} << bitsPerPixel;
  std::vector<Color> palette;
  std::unordered_map<Color, std::size_t> seen;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (Color c : bitmap.Row(y)) {
      if (!seen.emplace(c, palette.size()).second) continue;
      palette.push_back(c);
      if (palette.size() > capacity) {
        throw Error("A bitmap with more than " + std::to_string(capacity) +
                    " colours cannot be written with " + std::to_string(bitsPerPixel) +
                    " bits per pixel.");
      }
    }
  }
  if (palette.empty()) palette.push_back(clBlack);
  return palette;
}

}  // namespace

std::vector<std::uint8_t> WriteBmp(const Bitmap32& bitmap, BmpFormat format) {
  const int bpp = format.bitsPerPixel;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) {
    throw Error("Bitmaps cannot be written with " + std::to_string(bpp) + " bits per pixel.");
  }
  if (bitmap.Empty()) throw Error("An empty bitmap cannot be written.");
  const std::vector<Color> palette = bpp <= 8 ? PaletteOf(bitmap, bpp) : std::vector<Color>{};
  std::unordered_map<Color, std::uint32_t> indexOf;
  for (std::size_t i = 0; i < palette.size(); ++i)
    indexOf[palette[i]] = static_cast<std::uint32_t>(i);

  const int width = bitmap.Width(), height = bitmap.Height();
  const std::uint32_t stride = ((static_cast<std::uint32_t>(width) * bpp + 31) / 32) * 4;
  const std::uint32_t offBits = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);

  std::vector<std::uint8_t> out;
  out.reserve(offBits + imageSize);
  PutU16(out, 0x4D42);
  PutU32(out, offBits + imageSize);
  PutU32(out, 0);
  PutU32(out, offBits);
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(width));
  PutU32(out, static_cast<std::uint32_t>(format.topDown ? -height : height));
  PutU16(out, 1);
  PutU16(out, static_cast<std::uint32_t>(bpp));
  PutU32(out, 0);  // uncompressed
  PutU32(out, imageSize);
  PutU32(out, 2835);  // 72 dots per inch
  PutU32(out, 2835);
  PutU32(out, static_cast<std::uint32_t>(palette.size()));
  PutU32(out, 0);
  for (Color c : palette) {
    out.push_back(BlueOf(c));
    out.push_back(GreenOf(c));
    out.push_back(RedOf(c));
    out.push_back(0);
  }
  for (int fileRow = 0; fileRow < height; ++fileRow) {
    const auto row = bitmap.Row(format.topDown ? fileRow : height - 1 - fileRow);
    std::vector<std::uint8_t> bytes(stride, 0);
    for (int x = 0; x < width; ++x) {
      const Color c = row[static_cast<std::size_t>(x)];
      const auto ux = static_cast<std::size_t>(x);
      if (bpp == 24 || bpp == 32) {
        const std::size_t at = ux * static_cast<std::size_t>(bpp / 8);
        bytes[at] = BlueOf(c);
        bytes[at + 1] = GreenOf(c);
        bytes[at + 2] = RedOf(c);
      } else {
        const int perByte = 8 / bpp;
        const int shift = 8 - bpp * (x % perByte + 1);
        bytes[ux / static_cast<std::size_t>(perByte)] |=
            static_cast<std::uint8_t>(indexOf[c] << shift);
      }
    }
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  return out;
}

void WriteBmpFile(const Bitmap32& bitmap, const std::string& path, BmpFormat format) {
  const std::vector<std::uint8_t> bytes = WriteBmp(bitmap, format);
  std::ofstream file(Utf8Path(path), std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw Error("Cannot write the bitmap \"" + path + "\".");
}

}  // namespace haltwise
