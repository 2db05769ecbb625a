#pragma once
#include <cstddef>

#include "gfx/bitmap32.h"
#include "platform/win32/gdi_handles.h"

namespace haltwise {

// A 32-bit top-down DIB section selected into its own memory DC: the back
// buffer that a software-drawn picture is copied into and then shown with
// one BitBlt.
class DibSurface {
 public:
  DibSurface() = default;
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;
  ~DibSurface();

  // Copies the picture in, growing the buffer when it is too small.
  void Load(const Bitmap32& picture);
  // Shows the loaded picture's part (srcX, srcY, width, height) at (x, y).
  void Show(HDC target, int x, int y, int width, int height, int srcX = 0, int srcY = 0) const;
  void Show(HDC target, int x, int y) const { Show(target, x, y, width_, height_); }
  HBITMAP Bitmap() const { return bitmap_.Get(); }

  // DIB sections and memory DCs every surface of the process has created,
  // for tests that hold the steady state to none.
  struct Created {
    std::size_t dibSections;
    std::size_t dcs;
  };
  static Created CreatedSoFar() { return created_; }

 private:
  void Allocate(int width, int height);

  MemoryDc dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  int capacityWidth_ = 0;
  int capacityHeight_ = 0;
  int width_ = 0;
  int height_ = 0;
  static inline Created created_{0, 0};
};

}  // namespace haltwise
