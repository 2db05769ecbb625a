#include "ui/win32/about_box.h"

#include "ui/look/button_faces.h"
#include "ui/win32/dib_surface.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/ui_fonts.h"

namespace haltwise {

namespace {
constexpr char kClassName[] = "HaltwiseAbout";
constexpr int kWidth = 300;
constexpr int kHeight = 158;
}  // namespace

AboutBox::AboutBox(const AboutBoxModel& model, FontRasteriser& fonts, const SystemColors& colors)
    : model_(model), fonts_(fonts), colors_(colors) {}

void AboutBox::ShowModal(HWND owner) {
  RegisterWindowClass(kClassName, nullptr);
  const POINT at = CentredOnScreen(kWidth, kHeight);
  Create(WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME, kClassName, "About Haltwise",
         WS_POPUP | WS_CAPTION | WS_SYSMENU, at.x, at.y, kWidth, kHeight, owner);
  children_ = ChildControls(Handle());
  font_ = CreateUiFont(UiFontSpec(false));
  titleFont_ = CreateUiFont(SplashTitleFontSpec());

  const Color background = colors_.Resolve(model_.background);
  const Color text = colors_.Resolve(model_.text);
  const auto colored = [this, background, text](HDC dc) {
    SetTextColor(dc, ToColorRef(text));
    SetBkColor(dc, ToColorRef(background));
    return brushes_.Get(background);
  };
  children_.SetFont(titleFont_.Get());
  children_.Add("lblTitle", "STATIC", "Haltwise", WS_VISIBLE | SS_NOPREFIX, {16, 12, 170, 44},
                {.color = colored});
  children_.SetFont(font_.Get());
  children_.Add("lblVer", "STATIC", model_.version, WS_VISIBLE | SS_NOPREFIX, {176, 26, 280, 42},
                {.color = colored});
  children_.Add("lblAbout", "STATIC",
                "Logs off, powers off, reboots, suspends or hibernates this computer once the "
                "condition you chose holds: a time, a count-down, or a quiet processor, disk, "
                "network or performance counter.",
                WS_VISIBLE | SS_NOPREFIX, {16, 50, 284, 102}, {.color = colored});
  HWND ok = children_.Add(
      "btnOK", "BUTTON", "OK", WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW | BS_DEFPUSHBUTTON,
      {112, 104, 182, 126},
      {.command = [this](int) { closed_ = true; },
       .draw = [this, background, text](const DRAWITEMSTRUCT& item) {
         const int w = item.rcItem.right - item.rcItem.left, h = item.rcItem.bottom - item.rcItem.top;
         FaceText caption{"OK", UiFontSpec(true), (item.itemState & ODS_FOCUS) != 0};
         caption.font.color = text;
         ShowPicture(item.hDC, 0, 0,
                     FlatButtonFace({colors_, fonts_}, Bitmap32(w, h, background),
                                    (item.itemState & ODS_SELECTED) != 0, caption));
       }});
  SetFocus(ok);
  RunModalLoop(Handle(), owner, [this] { return closed_; }, [this] { closed_ = true; });
}

LRESULT AboutBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (message) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(Handle(), &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, brushes_.Get(colors_.Resolve(model_.background)));
      return 1;
    }
    case WM_COMMAND:
      if (children_.Command(wParam, lParam)) return 0;
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) closed_ = true;
      return 0;
    case WM_DRAWITEM:
      if (children_.Draw(lParam)) return TRUE;
      break;
    case WM_CTLCOLORSTATIC:
      if (children_.Color(wParam, lParam, &result)) return result;
      break;
    case WM_CLOSE:
      closed_ = true;
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace haltwise
