#include "ui/win32/parent_window.h"

#include "ui/win32/dpi.h"

namespace haltwise {

void ParentWindow::StartChildren() {
  uiFonts_.Create(WindowDpi(Handle()));
  children_ = ChildControls(Handle(), uiFonts_);
}

void ParentWindow::ShowFace(const DRAWITEMSTRUCT& item, const Bitmap32& face) {
  faces_.Load(face);
  faces_.Show(item.hDC, item.rcItem.left, item.rcItem.top);
}

LRESULT ParentWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (message) {
    case WM_COMMAND:
      if (children_.Command(wParam, lParam)) return 0;
      break;
    case WM_NOTIFY:
      if (children_.Notify(lParam, &result)) return result;
      break;
    case WM_DRAWITEM:
      if (children_.Draw(lParam)) return TRUE;
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (children_.Color(wParam, lParam, &result)) return result;
      break;
    default:
      break;
  }
  return BufferedWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace haltwise
