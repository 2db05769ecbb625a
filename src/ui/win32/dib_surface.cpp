#include "ui/win32/dib_surface.h"

#include <algorithm>

#include "platform/error.h"

namespace haltwise {

DibSurface::~DibSurface() {
  // Select the original bitmap back before the DIB is deleted.
  if (dc_ && previous_) SelectObject(dc_.Get(), previous_);
}

void DibSurface::Allocate(int width, int height) {
  if (dc_ && previous_) SelectObject(dc_.Get(), previous_);
  previous_ = nullptr;
  bitmap_.Reset();
  if (!dc_) {
    dc_.Reset(CreateCompatibleDC(nullptr));
    ++created_.dcs;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, as Bitmap32 keeps its rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ++created_.dibSections;
  if (!bitmap_ || !bits) throw Error("Unable to create a drawing buffer");
  bits_ = static_cast<std::uint32_t*>(bits);
  previous_ = SelectObject(dc_.Get(), bitmap_.Get());
  capacityWidth_ = width;
  capacityHeight_ = height;
}

void DibSurface::Load(const Bitmap32& picture) {
  if (picture.Width() > capacityWidth_ || picture.Height() > capacityHeight_ || !bitmap_) {
    Allocate(std::max(picture.Width(), capacityWidth_),
             std::max(picture.Height(), capacityHeight_));
  }
  GdiFlush();
  width_ = picture.Width();
  height_ = picture.Height();
  for (int y = 0; y < height_; ++y) {
    const auto row = picture.Row(y);
    std::uint32_t* out = bits_ + static_cast<std::size_t>(y) * capacityWidth_;
    // $00BBGGRR in the picture, $00RRGGBB in the DIB.
    for (int x = 0; x < width_; ++x) {
      const Color c = row[x];
      out[x] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
  }
}

void DibSurface::Show(HDC target, int x, int y, int width, int height, int srcX, int srcY) const {
  if (!bitmap_) return;
  BitBlt(target, x, y, width, height, dc_.Get(), srcX, srcY, SRCCOPY);
}

}  // namespace haltwise
