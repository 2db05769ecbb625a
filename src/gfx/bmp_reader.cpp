#include <bit>
#include <fstream>
#include <iterator>

#include "gfx/bmp.h"
#include "gfx/bmp_rle.h"
#include "platform/error.h"
#include "platform/file_path.h"

namespace haltwise {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::size_t kFileHeaderSize = 14;
// Run-length data can describe a huge picture in a few bytes; no skin
// comes near this.
constexpr std::int64_t kMaxRlePixels = 1024 * 1024;

// Reads little-endian fields, refusing any read past the end.
class ByteReader {
 public:
  ByteReader(std::span<const std::uint8_t> bytes, const std::string& name)
      : bytes_(bytes), name_(name) {}

  [[noreturn]] void Fail(const std::string& reason) const {
    throw Error("Cannot read the bitmap \"" + name_ + "\": " + reason);
  }
  void Require(std::uint64_t offset, std::uint64_t length, const char* what) const {
    if (offset > bytes_.size() || length > bytes_.size() - offset) {
      Fail(std::string("the file is truncated or its header lies (") + what + " beyond the end).");
    }
  }
  std::uint32_t U32(std::uint64_t offset, const char* what) const {
    Require(offset, 4, what);
    const auto* p = bytes_.data() + offset;
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
  }
  std::uint16_t U16(std::uint64_t offset, const char* what) const {
    Require(offset, 2, what);
    const auto* p = bytes_.data() + offset;
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
  }
  std::uint8_t U8(std::uint64_t offset) const { return bytes_[offset]; }

 private:
  std::span<const std::uint8_t> bytes_;
  const std::string& name_;
};

struct Header {
  std::int64_t width = 0;
  std::int64_t height = 0;  // always positive; topDown tells the order
  bool topDown = false;
  int bitsPerPixel = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t colorsUsed = 0;
  std::uint32_t imageSize = 0;  // bytes of pixel data; 0 when not given
  std::uint64_t headerEnd = 0;  // where the masks or the palette begin
  bool core = false;            // OS/2 core header: 3-byte palette entries
  std::uint32_t masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};

  bool RunLength() const { return compression == kBiRle8 || compression == kBiRle4; }
};

Header ReadHeader(const ByteReader& in) {
  if (in.U16(0, "file header") != 0x4D42) in.Fail("it is not a BMP file (no \"BM\" signature).");
  Header h;
  const std::uint32_t infoSize = in.U32(kFileHeaderSize, "bitmap header");
  in.Require(kFileHeaderSize, infoSize, "bitmap header");
  h.headerEnd = kFileHeaderSize + infoSize;
  std::int64_t rawHeight = 0;
  if (infoSize == 12) {
    h.core = true;
    h.width = in.U16(18, "bitmap header");
    rawHeight = in.U16(20, "bitmap header");
    h.bitsPerPixel = in.U16(24, "bitmap header");
  } else if (infoSize >= 40) {
    h.width = static_cast<std::int32_t>(in.U32(18, "bitmap header"));
    rawHeight = static_cast<std::int32_t>(in.U32(22, "bitmap header"));
    h.bitsPerPixel = in.U16(28, "bitmap header");
    h.compression = in.U32(30, "bitmap header");
    h.imageSize = in.U32(34, "bitmap header");
    h.colorsUsed = in.U32(46, "bitmap header");
  } else {
    in.Fail("unsupported bitmap header of " + std::to_string(infoSize) + " bytes.");
  }
  h.topDown = rawHeight < 0;
  h.height = rawHeight < 0 ? -rawHeight : rawHeight;
  if (h.width <= 0 || h.height <= 0) {
    in.Fail("invalid size " + std::to_string(h.width) + " x " + std::to_string(rawHeight) + ".");
  }
  switch (h.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      break;
    default:
      in.Fail("unsupported format of " + std::to_string(h.bitsPerPixel) + " bits per pixel.");
  }
  if (h.bitsPerPixel == 16) {
    h.masks[0] = 0x7C00;  // 5-5-5 unless bit fields say otherwise
    h.masks[1] = 0x03E0;
    h.masks[2] = 0x001F;
  }
  const bool masked =
      h.compression == kBiBitfields && (h.bitsPerPixel == 16 || h.bitsPerPixel == 32);
  const bool runLength = (h.compression == kBiRle8 && h.bitsPerPixel == 8) ||
                         (h.compression == kBiRle4 && h.bitsPerPixel == 4);
  if (masked) {
    // A plain info header is followed by the three masks; later versions hold them.
    const std::uint64_t at = infoSize == 40 ? h.headerEnd : kFileHeaderSize + 40;
    for (int i = 0; i < 3; ++i) h.masks[i] = in.U32(at + 4 * i, "colour masks");
    if (infoSize == 40) h.headerEnd += 12;
  } else if (h.compression != kBiRgb && !runLength) {
    in.Fail("unsupported compression " + std::to_string(h.compression) + " for " +
            std::to_string(h.bitsPerPixel) + " bits per pixel.");
  }
  if (runLength && h.topDown) in.Fail("run-length data cannot be stored top-down.");
  if (runLength && h.width * h.height > kMaxRlePixels) {
    in.Fail("a compressed picture of " + std::to_string(h.width) + " x " +
            std::to_string(h.height) + " pixels is too large.");
  }
  return h;
}

std::vector<Color> ReadPalette(const ByteReader& in, const Header& h) {
  if (h.bitsPerPixel > 8) return {};
  const std::uint32_t capacity = 1u << h.bitsPerPixel;
  const std::uint32_t count = h.colorsUsed == 0 ? capacity : h.colorsUsed;
  if (count > capacity) {
    in.Fail("the header claims " + std::to_string(count) + " palette colours for " +
            std::to_string(h.bitsPerPixel) + " bits per pixel.");
  }
  const std::uint64_t entrySize = h.core ? 3 : 4;
  in.Require(h.headerEnd, count * entrySize, "palette");
  std::vector<Color> palette(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint64_t at = h.headerEnd + i * entrySize;
    palette[i] = RgbColor(in.U8(at + 2), in.U8(at + 1), in.U8(at));
  }
  return palette;
}

// Scales the masked field of a pixel to 8 bits.
std::uint8_t Channel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int bits = std::popcount(mask >> shift);
  const std::uint32_t value = (pixel & mask) >> shift;
  if (bits >= 8) return static_cast<std::uint8_t>(value >> (bits - 8));
  return static_cast<std::uint8_t>(value * 255 / ((1u << bits) - 1));
}

Color MaskedColor(std::uint32_t pixel, const Header& h) {
  return RgbColor(Channel(pixel, h.masks[0]), Channel(pixel, h.masks[1]),
                  Channel(pixel, h.masks[2]));
}

// A palette index past the table is drawn black, as Windows draws it.
Color PaletteColor(const std::vector<Color>& palette, std::uint32_t index) {
  return index < palette.size() ? palette[index] : clBlack;
}

Bitmap32 ReadRunLength(const ByteReader& in, std::span<const std::uint8_t> bytes, const Header& h,
                       const std::vector<Color>& palette, std::uint64_t offBits) {
  in.Require(offBits, 0, "pixel data");
  std::span<const std::uint8_t> data = bytes.subspan(static_cast<std::size_t>(offBits));
  if (h.imageSize != 0 && h.imageSize < data.size()) data = data.first(h.imageSize);
  const int width = static_cast<int>(h.width), height = static_cast<int>(h.height);
  // Pixels the data leaves out stay black.
  Bitmap32 image(width, height, clBlack);
  DecodeRle(data, h.bitsPerPixel, width, height, [&](int x, int storedRow, std::uint8_t index) {
    image.SetPixel(x, height - 1 - storedRow, PaletteColor(palette, index));  // always bottom-up
  });
  return image;
}

}  // namespace

Bitmap32 ReadBmp(std::span<const std::uint8_t> bytes, const std::string& name) {
  const ByteReader in(bytes, name);
  const Header h = ReadHeader(in);
  const std::vector<Color> palette = ReadPalette(in, h);
  const std::uint64_t offBits = in.U32(10, "file header");
  if (h.RunLength()) return ReadRunLength(in, bytes, h, palette, offBits);
  const std::uint64_t stride =
      ((static_cast<std::uint64_t>(h.width) * h.bitsPerPixel + 31) / 32) * 4;
  if (static_cast<std::uint64_t>(h.height) > bytes.size() / stride) {
    in.Fail("the file is truncated or its header lies (pixel data beyond the end).");
  }
  in.Require(offBits, stride * static_cast<std::uint64_t>(h.height), "pixel data");

  const int width = static_cast<int>(h.width), height = static_cast<int>(h.height);
  Bitmap32 image(width, height);
  for (int y = 0; y < height; ++y) {
    const int fileRow = h.topDown ? y : height - 1 - y;
    const std::uint64_t row = offBits + stride * static_cast<std::uint64_t>(fileRow);
    auto out = image.Row(y);
    for (int x = 0; x < width; ++x) {
      const auto ux = static_cast<std::uint64_t>(x);
      Color color = 0;
      switch (h.bitsPerPixel) {
        case 16:
          color = MaskedColor(in.U16(row + ux * 2, "pixel data"), h);
          break;
        case 24:
          color = RgbColor(in.U8(row + ux * 3 + 2), in.U8(row + ux * 3 + 1), in.U8(row + ux * 3));
          break;
        case 32:
          color = MaskedColor(in.U32(row + ux * 4, "pixel data"), h);
          break;
        default: {
          // Palette formats: the leftmost pixel in the most significant bits.
          const int perByte = 8 / h.bitsPerPixel;
          const std::uint8_t byte = in.U8(row + ux / static_cast<std::uint64_t>(perByte));
          const int shift = 8 - h.bitsPerPixel * (x % perByte + 1);
          color = PaletteColor(palette, (byte >> shift) & ((1u << h.bitsPerPixel) - 1));
        }
      }
      out[static_cast<std::size_t>(x)] = color;
    }
  }
  return image;
}

Bitmap32 ReadBmpFile(const std::string& path) {
  std::ifstream file(Utf8Path(path), std::ios::binary);
  if (!file) throw Error("Cannot open the bitmap \"" + path + "\".");
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                        std::istreambuf_iterator<char>());
  if (file.bad()) throw Error("Cannot read the bitmap \"" + path + "\".");
  return ReadBmp(bytes, path);
}

}  // namespace haltwise
