#include "ui/win32/status_strip.h"

#include "gfx/canvas.h"
#include "ui/look/word_wrap.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/dib_surface.h"
#include "ui/win32/gdi_handles.h"
#include "ui/win32/ui_fonts.h"

namespace haltwise {

namespace {
constexpr char kClassName[] = "HaltwiseStatus";
constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollInterval = 100;
// Blank pixels between the end of the text and its next pass.
constexpr int kScrollGap = 8;
}  // namespace

StatusStrip::StatusStrip(Control& label, ContentScroller& scroller, FontRasteriser& fonts,
                         const SystemColors& colors)
    : label_(label), scroller_(scroller), fonts_(fonts), colors_(colors) {}

FontSpec StatusStrip::Font() { return UiFontSpec(false); }

void StatusStrip::Create(HWND parent, const Rect& place) {
  RegisterWindowClass(kClassName, nullptr);
  width_ = place.Width();
  height_ = place.Height();
  Window::Create(0, kClassName, label_.Caption(), WS_CHILD | WS_VISIBLE, place.left, place.top,
                 width_, height_, parent);
  bindings_.Listen(label_.Changed, [this] {
    SetWindowTextIfChanged(Handle(), label_.Caption());
    InvalidateRect(Handle(), nullptr, FALSE);
  });
  bindings_.Listen(scroller_.Changed, [this] { FollowScroller(); });
  FollowScroller();
}

void StatusStrip::SetBackground(Bitmap32 background) {
  background_ = std::move(background);
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void StatusStrip::FollowScroller() {
  const bool scroll = scroller_.Active();
  if (scroll == scrolling_) return;
  scrolling_ = scroll;
  offset_ = 0;
  if (scroll) {
    SetTimer(Handle(), kScrollTimer, kScrollInterval, nullptr);
  } else {
    KillTimer(Handle(), kScrollTimer);
  }
  InvalidateRect(Handle(), nullptr, FALSE);
}

void StatusStrip::Paint(HDC dc) {
  Bitmap32 image = background_.Empty() ? Bitmap32(width_, height_, clBlack) : background_;
  Canvas canvas(image, colors_, fonts_);
  canvas.font = Font();
  canvas.font.color = label_.FontColor();
  canvas.brush.hollow = true;
  const auto lines = WrapText(fonts_, canvas.font, label_.Caption(), width_);
  const int lineHeight = fonts_.MeasureText(canvas.font, "Wg").height;
  const int textHeight = static_cast<int>(lines.size()) * lineHeight;
  // A text that fits is centred; a scrolling one runs round with a gap.
  const int top = scrolling_ ? -offset_ : (height_ - textHeight) / 2;
  const int period = textHeight + kScrollGap;
  for (int pass = 0; pass < (scrolling_ ? 2 : 1); ++pass) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      canvas.WriteText(0, top + pass * period + static_cast<int>(i) * lineHeight, lines[i]);
    }
  }
  ShowPicture(dc, 0, 0, image);
}

LRESULT StatusStrip::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintScope paint(Handle());
      Paint(paint.Dc());
      return 0;
    }
    case WM_TIMER:
      if (wParam == kScrollTimer) {
        const int period = scroller_.ScrollLength() + kScrollGap;
        offset_ = period > 0 ? (offset_ + 1) % period : 0;
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
      }
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace haltwise
