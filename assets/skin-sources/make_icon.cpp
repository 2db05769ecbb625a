// Writes the application icon (16, 32 and 48 pixels, 32-bit with alpha):
// a power sign on the program's rounded navy panel.
//   make_icon <output .ico>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

#include "ui/look/pictures.h"
#include "ui/look/shading.h"

namespace {

using namespace haltwise;

Bitmap32 DrawIcon(int size) {
  const LookPalette palette = DefaultPalette();
  Bitmap32 image(size, size, kTransparentGreen);
  const Rect whole{0, 0, size, size};
  const int radius = size / 5;
  shading::FillRounded(image, whole, radius, shading::Lighter(palette.body, 35),
                       shading::Darker(palette.body, 30));
  shading::OutlineRounded(image, whole, radius, shading::Lighter(palette.accent, 20),
                          shading::Darker(palette.body, 60));

  const double c = size / 2.0, outer = size * 0.34, thickness = std::max(1.5, size * 0.09);
  const double gap = 40.0 * std::numbers::pi / 180.0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double px = x + 0.5 - c, py = y + 0.5 - c + size * 0.03;
      const double d = std::hypot(px, py);
      const double fromTop = std::abs(std::atan2(px, -py));
      const bool ring = d <= outer && d >= outer - thickness && fromTop > gap;
      const bool bar = std::abs(px) <= thickness / 2 && py < -outer * 0.15 && py > -outer - 1;
      if (ring || bar) image.SetPixel(x, y, shading::Mix(palette.ledOn, clWhite, y * 40 / size));
    }
  }
  return image;
}

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(v & 0xFF);
  out.push_back(v >> 8);
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF);
}

// One icon image: BITMAPINFOHEADER of twice the height, bottom-up BGRA
// pixels, then the AND mask (1 bit a pixel, rows padded to 32 bits).
std::vector<std::uint8_t> IconImage(const Bitmap32& image) {
  const int size = image.Width();
  std::vector<std::uint8_t> out;
  Put32(out, 40);
  Put32(out, size);
  Put32(out, size * 2);
  Put16(out, 1);
  Put16(out, 32);
  for (int i = 0; i < 6; ++i) Put32(out, 0);
  const Color transparent = kTransparentGreen;
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) {
      const Color c = image.Pixel(x, y);
      const bool clear = c == transparent;
      out.push_back(clear ? 0 : BlueOf(c));
      out.push_back(clear ? 0 : GreenOf(c));
      out.push_back(clear ? 0 : RedOf(c));
      out.push_back(clear ? 0 : 255);
    }
  }
  const int maskRowBytes = (size + 31) / 32 * 4;
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(maskRowBytes, 0);
    for (int x = 0; x < size; ++x) {
      if (image.Pixel(x, y) == transparent)
        row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon <output .ico>\n");
    return 2;
  }
  // The small icon at 100, 125, 150 and 200 %, and the large ones.
  const int sizes[] = {16, 20, 24, 32, 48, 64};
  std::vector<std::vector<std::uint8_t>> images;
  for (int size : sizes) images.push_back(IconImage(DrawIcon(size)));

  std::vector<std::uint8_t> file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, static_cast<std::uint16_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    file.push_back(static_cast<std::uint8_t>(sizes[i]));
    file.push_back(static_cast<std::uint8_t>(sizes[i]));
    file.push_back(0);
    file.push_back(0);
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, static_cast<std::uint32_t>(images[i].size()));
    Put32(file, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());

  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  if (!out.flush()) {
    std::fprintf(stderr, "make_icon: unable to write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
