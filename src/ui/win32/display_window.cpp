#include "ui/win32/display_window.h"

#include "ui/win32/child_controls.h"
#include "ui/win32/dib_surface.h"
#include "ui/win32/gdi_handles.h"

namespace haltwise {

namespace {
constexpr char kClassName[] = "HaltwiseDisplay";
}

DisplayWindow::DisplayWindow(GraphicControl& control, std::function<std::string()> describe,
                             std::function<void()> onMouseDown)
    : control_(control), describe_(std::move(describe)), onMouseDown_(std::move(onMouseDown)) {}

void DisplayWindow::Create(HWND parent, const Rect& place) {
  RegisterWindowClass(kClassName, nullptr);
  Window::Create(0, kClassName, describe_ ? describe_() : control_.Name(), WS_CHILD | WS_VISIBLE,
                 place.left, place.top, place.Width(), place.Height(), parent);
  bindings_.Listen(control_.Changed, [this] { Refresh(true); });
  bindings_.Listen(control_.Rendered, [this] { Refresh(false); });
}

void DisplayWindow::Refresh(bool repaintModel) {
  if (repaintModel) dirty_ = true;
  if (!Handle()) return;
  if (describe_) SetWindowTextIfChanged(Handle(), describe_());
  InvalidateRect(Handle(), nullptr, FALSE);
  // The hint may change with every sample (the graphs' counter names).
  if (!repaintModel) UpdateWindow(Handle());
}

LRESULT DisplayWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintScope paint(Handle());
      if (dirty_) {
        dirty_ = false;
        control_.Paint();
      }
      ShowPicture(paint.Dc(), 0, 0, control_.Surface());
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (onMouseDown_) onMouseDown_();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace haltwise
