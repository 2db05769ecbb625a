#include "ui/win32/status_strip.h"

#include "gfx/canvas.h"
#include "ui/look/word_wrap.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/ui_fonts.h"

namespace haltwise {

namespace {
constexpr wchar_t kClassName[] = L"HaltwiseStatus";
constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollInterval = 100;
// Blank pixels between the end of the text and its next pass.
constexpr int kScrollGap = 8;
}  // namespace

StatusStrip::StatusStrip(Control& label, ContentScroller& scroller, FontRasteriser& fonts,
                         const SystemColors& colors)
    : label_(label), scroller_(scroller), fonts_(fonts), colors_(colors) {}

FontSpec StatusStrip::Font() { return UiFontSpec(false); }

void StatusStrip::Create(HWND parent, const Rect& place, DpiScale scale) {
  RegisterWindowClass(kClassName, nullptr);
  width_ = place.Width();
  height_ = place.Height();
  scale_ = scale;
  Window::Create(0, kClassName, label_.Caption(), WS_CHILD | WS_VISIBLE, place.left, place.top,
                 width_, height_, parent);
  bindings_.Listen(label_.Changed, [this] {
    SetWindowTextIfChanged(Handle(), label_.Caption());
    Recompose();
  });
  bindings_.Listen(scroller_.Changed, [this] { FollowScroller(); });
  FollowScroller();
}

void StatusStrip::Place(const Rect& place, DpiScale scale) {
  width_ = place.Width();
  height_ = place.Height();
  scale_ = scale;
  SetWindowPos(Handle(), nullptr, place.left, place.top, width_, height_,
               SWP_NOZORDER | SWP_NOACTIVATE);
  Recompose();
}

void StatusStrip::SetBackground(Bitmap32 background) {
  background_ = std::move(background);
  Recompose();
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
  Recompose();
}

const Bitmap32& StatusStrip::Compose() {
  if (background_.Width() == width_ && background_.Height() == height_) {
    picture_ = background_;
  } else {
    picture_ = Bitmap32(width_, height_, clBlack);
  }
  Canvas canvas(picture_, colors_, fonts_);
  canvas.font = scale_(Font());
  canvas.font.color = label_.FontColor();
  canvas.brush.hollow = true;
  const auto lines = WrapText(fonts_, canvas.font, label_.Caption(), width_);
  const int lineHeight = fonts_.MeasureText(canvas.font, "Wg").height;
  const int textHeight = static_cast<int>(lines.size()) * lineHeight;
  // A text that fits is centred; a scrolling one runs round with a gap.
  const int top = scrolling_ ? -offset_ : (height_ - textHeight) / 2;
  const int period = textHeight + scale_(kScrollGap);
  for (int pass = 0; pass < (scrolling_ ? 2 : 1); ++pass) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      canvas.WriteText(0, top + pass * period + static_cast<int>(i) * lineHeight, lines[i]);
    }
  }
  return picture_;
}

LRESULT StatusStrip::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kScrollTimer) {
        const int period = scale_(scroller_.ScrollLength() + kScrollGap);
        offset_ = period > 0 ? (offset_ + 1) % period : 0;
        Recompose();
        return 0;
      }
      break;
    default:
      break;
  }
  return BufferedWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace haltwise
