#include "ui/win32/about_box.h"

#include "ui/look/button_faces.h"
#include "ui/win32/dpi.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/ui_fonts.h"

namespace haltwise {

namespace {
constexpr wchar_t kClassName[] = L"HaltwiseAbout";
// The whole window at 96 DPI, its caption included.
constexpr int kWidth = 300;
constexpr int kHeight = 158;
}  // namespace

AboutBox::AboutBox(const AboutBoxModel& model, FontRasteriser& fonts, const SystemColors& colors)
    : model_(model), fonts_(fonts), colors_(colors) {}

void AboutBox::ShowModal(HWND owner) {
  RegisterWindowClass(kClassName, nullptr);
  const DpiScale scale = WindowDpi(owner);
  const int width = scale(kWidth), height = scale(kHeight);
  const POINT at = CentredOnMonitorOf(owner, width, height);
  Create(WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME, kClassName, "About Haltwise",
         WS_POPUP | WS_CAPTION | WS_SYSMENU, at.x, at.y, width, height, owner);
  StartChildren();

  const Color background = colors_.Resolve(model_.background);
  const Color text = colors_.Resolve(model_.text);
  const auto colored = [this, background, text](HDC dc) {
    SetTextColor(dc, ToColorRef(text));
    SetBkColor(dc, ToColorRef(background));
    return brushes_.Get(background);
  };
  children_.SetFontRole(UiFontRole::kTitle);
  children_.Add("lblTitle", L"STATIC", "Haltwise", WS_VISIBLE | SS_NOPREFIX, {16, 12, 170, 44},
                {.color = colored});
  children_.SetFontRole(UiFontRole::kNormal);
  children_.Add("lblVer", L"STATIC", model_.version, WS_VISIBLE | SS_NOPREFIX, {176, 26, 280, 42},
                {.color = colored});
  children_.Add("lblAbout", L"STATIC",
                "Logs off, powers off, reboots, suspends or hibernates this computer once the "
                "condition you chose holds: a time, a count-down, or a quiet processor, disk, "
                "network or performance counter.",
                WS_VISIBLE | SS_NOPREFIX, {16, 50, 284, 102}, {.color = colored});
  HWND ok = children_.Add(
      "btnOK", L"BUTTON", "OK", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW | BS_DEFPUSHBUTTON,
      {112, 104, 182, 126},
      {.command = [this](int) { closed_ = true; },
       .draw =
           [this, background, text](const DRAWITEMSTRUCT& item) {
             const int w = item.rcItem.right - item.rcItem.left,
                       h = item.rcItem.bottom - item.rcItem.top;
             FaceText caption{"OK", uiFonts_.Scale()(UiFontSpec(true)),
                              (item.itemState & ODS_FOCUS) != 0};
             caption.font.color = text;
             ShowFace(item, FlatButtonFace({colors_, fonts_}, Bitmap32(w, h, background),
                                           (item.itemState & ODS_SELECTED) != 0, caption));
           }});
  SetFocus(ok);
  RunModalLoop(
      Handle(), owner, [this] { return closed_; }, [this] { closed_ = true; });
}

const Bitmap32& AboutBox::Compose() {
  RECT r;
  GetClientRect(Handle(), &r);
  background_ = Bitmap32(r.right, r.bottom, colors_.Resolve(model_.background));
  return background_;
}

LRESULT AboutBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
        closed_ = true;
        return 0;
      }
      break;
    case WM_CLOSE:
      closed_ = true;
      return 0;
    default:
      break;
  }
  return ParentWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace haltwise
