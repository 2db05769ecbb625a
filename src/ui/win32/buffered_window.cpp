#include "ui/win32/buffered_window.h"

#include "platform/win32/gdi_handles.h"

namespace haltwise {

void BufferedWindow::Recompose() {
  stale_ = true;
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void BufferedWindow::ComposeNow() {
  backBuffer_.Load(Compose());
  stale_ = false;
}

LRESULT BufferedWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything
    case WM_PAINT: {
      PaintScope paint(Handle());
      if (stale_) ComposeNow();
      backBuffer_.Show(paint.Dc(), 0, 0);
      return 0;
    }
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace haltwise
