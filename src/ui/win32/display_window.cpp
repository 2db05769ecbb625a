#include "ui/win32/display_window.h"

#include "ui/win32/child_controls.h"

namespace haltwise {

namespace {
constexpr wchar_t kClassName[] = L"HaltwiseDisplay";
}

DisplayWindow::DisplayWindow(GraphicControl& control, std::function<std::string()> describe,
                             std::function<void()> onMouseDown)
    : control_(control), describe_(std::move(describe)), onMouseDown_(std::move(onMouseDown)) {}

void DisplayWindow::Create(HWND parent, const Rect& place) {
  RegisterWindowClass(kClassName, nullptr);
  control_.SetBounds(place.left, place.top, place.Width(), place.Height());
  Window::Create(0, kClassName, describe_ ? describe_() : control_.Name(), WS_CHILD | WS_VISIBLE,
                 place.left, place.top, place.Width(), place.Height(), parent);
  bindings_.Listen(control_.Changed, [this] { Refresh(true); });
  bindings_.Listen(control_.Rendered, [this] { Refresh(false); });
}

void DisplayWindow::Place(const Rect& place) {
  control_.SetBounds(place.left, place.top, place.Width(), place.Height());
  SetWindowPos(Handle(), nullptr, place.left, place.top, place.Width(), place.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
  Refresh(true);
}

void DisplayWindow::SetShown(bool shown) { control_.SetVisible(shown); }

void DisplayWindow::Refresh(bool repaintModel) {
  if (repaintModel) dirty_ = true;
  if (!Handle()) return;
  if (describe_) SetWindowTextIfChanged(Handle(), describe_());
  Recompose();
  // The hint may change with every sample (the graphs' counter names).
  if (!repaintModel) UpdateWindow(Handle());
}

const Bitmap32& DisplayWindow::Compose() {
  if (dirty_) {
    dirty_ = false;
    control_.Paint();
  }
  return control_.Surface();
}

LRESULT DisplayWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (onMouseDown_) onMouseDown_();
      return 0;
    default:
      return BufferedWindow::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace haltwise
