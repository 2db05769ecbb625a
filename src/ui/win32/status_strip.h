#pragma once
#include <string>

#include "gfx/bitmap32.h"
#include "gfx/dpi_scale.h"
#include "gfx/font.h"
#include "gfx/font_rasteriser.h"
#include "gfx/geometry.h"
#include "gfx/system_colors.h"
#include "ui/win32/bindings.h"
#include "ui/win32/buffered_window.h"
#include "widgets/content_scroller.h"
#include "widgets/control.h"

namespace haltwise {

// The status line: the label's text word-wrapped in its font colour over
// the window picture, scrolled up by one pixel every 100 ms while the
// scroller is active. The window text is the status text.
class StatusStrip : public BufferedWindow {
 public:
  StatusStrip(Control& label, ContentScroller& scroller, FontRasteriser& fonts,
              const SystemColors& colors);

  // `place` in pixels of the parent, with the text at `scale`.
  void Create(HWND parent, const Rect& place, DpiScale scale);
  void Place(const Rect& place, DpiScale scale);
  // The piece of the window picture behind the strip.
  void SetBackground(Bitmap32 background);

  // At 96 DPI.
  static FontSpec Font();

 protected:
  const Bitmap32& Compose() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FollowScroller();

  Control& label_;
  ContentScroller& scroller_;
  FontRasteriser& fonts_;
  const SystemColors& colors_;
  Bitmap32 background_;
  Bitmap32 picture_;
  DpiScale scale_;
  int width_ = 0;
  int height_ = 0;
  int offset_ = 0;
  bool scrolling_ = false;
  Bindings bindings_;
};

}  // namespace haltwise
