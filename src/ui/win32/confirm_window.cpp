#include "ui/win32/confirm_window.h"

#include "ui/look/button_faces.h"
#include "ui/win32/dib_surface.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/ui_fonts.h"

namespace haltwise {

namespace {
constexpr char kClassName[] = "HaltwiseConfirm";
constexpr int kWidth = 214;
constexpr int kHeight = 75;
constexpr Color kMaroon = clMaroon;
}  // namespace

int Win32ConfirmationRunner::ShowModal(TfrmConfirm& dialog) {
  ConfirmWindow window(dialog, fonts_, colors_);
  window.Create(owner_);
  RunModalLoop(window.Handle(), owner_, [&dialog] { return dialog.ModalResult() != TfrmConfirm::kNone; },
               [&dialog] { dialog.Close(); });
  return dialog.ModalResult();
}

ConfirmWindow::ConfirmWindow(TfrmConfirm& dialog, FontRasteriser& fonts, const SystemColors& colors)
    : dialog_(dialog), fonts_(fonts), colors_(colors) {}

void ConfirmWindow::Create(HWND owner) {
  RegisterWindowClass(kClassName, nullptr);
  const POINT at = CentredOnScreen(kWidth, kHeight);
  Window::Create(WS_EX_TOPMOST | WS_EX_CONTROLPARENT, kClassName, "Confirm", WS_POPUP, at.x, at.y,
                 kWidth, kHeight, owner);
  children_ = ChildControls(Handle());
  font_ = CreateUiFont(UiFontSpec(false));
  children_.SetFont(font_.Get());

  label_ = children_.Add("Label1", "STATIC", dialog_.Label1.Caption(), WS_VISIBLE | SS_NOPREFIX,
                         {8, 16, 200, 30}, {.color = [this](HDC dc) {
                           SetTextColor(dc, ToColorRef(clWhite));
                           SetBkColor(dc, ToColorRef(kMaroon));
                           return brushes_.Get(kMaroon);
                         }});
  FitLabel();
  bindings_.Listen(dialog_.Label1.Changed, [this] {
    SetWindowTextIfChanged(label_, dialog_.Label1.Caption());
    FitLabel();
  });

  HWND cancel = children_.Add(
      "SpeedButton1", "BUTTON", dialog_.SpeedButton1.Caption(),
      WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, {120, 40, 193, 62},
      {.command = [this](int code) {
         if (code == BN_CLICKED || code == BN_DOUBLECLICKED) dialog_.SpeedButton1Click();
       },
       .draw = [this](const DRAWITEMSTRUCT& item) {
         const Rect r{0, 0, item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top};
         FaceText text{dialog_.SpeedButton1.Caption(), UiFontSpec(true), false};
         text.font.color = clWhite;
         const Bitmap32 face = FlatButtonFace({colors_, fonts_}, Bitmap32(r.Width(), r.Height(), kMaroon),
                                              (item.itemState & ODS_SELECTED) != 0, text);
         ShowPicture(item.hDC, 0, 0, face);
       }});
  SetFocus(cancel);

  timers_ = std::make_unique<TimerHost>(Handle());
  timers_->Bind(dialog_.Timer1);
}

void ConfirmWindow::FitLabel() {
  const int width = MeasureTextWidth(font_.Get(), dialog_.Label1.Caption().c_str());
  SetWindowPos(label_, nullptr, 0, 0, width, 14, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(label_, nullptr, TRUE);
}

LRESULT ConfirmWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (message) {
    case WM_ERASEBKGND: {
      RECT r{0, 0, kWidth, kHeight};
      const HDC dc = reinterpret_cast<HDC>(wParam);
      FillRect(dc, &r, brushes_.Get(kMaroon));
      DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
      return 1;
    }
    case WM_TIMER:
      if (timers_ && timers_->Fire(wParam)) return 0;
      break;
    case WM_COMMAND:
      if (children_.Command(wParam, lParam)) return 0;
      if (LOWORD(wParam) == IDCANCEL) {  // Escape
        dialog_.Close();
        return 0;
      }
      break;
    case WM_DRAWITEM:
      if (children_.Draw(lParam)) return TRUE;
      break;
    case WM_CTLCOLORSTATIC:
      if (children_.Color(wParam, lParam, &result)) return result;
      break;
    case WM_CLOSE:
      dialog_.Close();
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace haltwise
