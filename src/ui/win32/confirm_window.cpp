#include "ui/win32/confirm_window.h"

#include <vector>

#include "ui/look/button_faces.h"
#include "ui/look/confirm_layout.h"
#include "ui/look/shading.h"
#include "ui/win32/dpi.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/ui_fonts.h"

namespace haltwise {

namespace {
constexpr wchar_t kClassName[] = L"HaltwiseConfirm";
constexpr Color kMaroon = clMaroon;
// System colours by index, as the toolkit names them.
constexpr Color kThreeDDarkShadow = 0xFF000015;
constexpr Color kThreeDLight = 0xFF000016;
namespace cl = confirm_layout;
}  // namespace

int Win32ConfirmationRunner::ShowModal(TfrmConfirm& dialog) {
  ConfirmWindow window(dialog, fonts_, colors_);
  window.Create(owner_);
  RunModalLoop(
      window.Handle(), owner_, [&dialog] { return dialog.ModalResult() != TfrmConfirm::kNone; },
      [&dialog] { dialog.Close(); });
  return dialog.ModalResult();
}

ConfirmWindow::ConfirmWindow(TfrmConfirm& dialog, FontRasteriser& fonts, const SystemColors& colors)
    : dialog_(dialog), fonts_(fonts), colors_(colors) {}

void ConfirmWindow::Create(HWND owner) {
  RegisterWindowClass(kClassName, nullptr);
  // The dialog opens on the main window's monitor, at its scale.
  const DpiScale scale = WindowDpi(owner);
  const int width = scale(cl::kWidth), height = scale(cl::kHeight);
  const POINT at = CentredOnMonitorOf(owner, width, height);
  Window::Create(WS_EX_TOPMOST | WS_EX_CONTROLPARENT, kClassName, "Confirm", WS_POPUP, at.x, at.y,
                 width, height, owner);
  StartChildren();

  label_ = children_.Add("Label1", L"STATIC", dialog_.Label1.Caption(), WS_VISIBLE | SS_NOPREFIX,
                         cl::kLabel, {.color = [this](HDC dc) {
                           SetTextColor(dc, ToColorRef(clWhite));
                           SetBkColor(dc, ToColorRef(kMaroon));
                           return brushes_.Get(kMaroon);
                         }});
  FitLabel();
  bindings_.Listen(dialog_.Label1.Changed, [this] {
    SetWindowTextIfChanged(label_, dialog_.Label1.Caption());
    FitLabel();
  });
  AddButtons();

  timers_ = std::make_unique<TimerHost>(Handle());
  timers_->Bind(dialog_.Timer1);
}

void ConfirmWindow::AddButtons() {
  struct Action {
    Button& model;
    std::function<void()> click;
  };
  // "Cancel !!" last, where it keeps the focus: Enter or a stray key never
  // puts the action off.
  std::vector<Action> actions;
  if (dialog_.btnSnooze.Visible()) {
    actions.push_back({dialog_.btnSnooze, [this] { dialog_.btnSnoozeClick(); }});
  }
  actions.push_back({dialog_.SpeedButton1, [this] { dialog_.SpeedButton1Click(); }});
  const int count = static_cast<int>(actions.size());
  HWND last = nullptr;
  for (int i = 0; i < count; ++i) {
    Button& model = actions[i].model;
    auto click = actions[i].click;
    last = children_.Add(
        model.Name(), L"BUTTON", model.Caption(), WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
        cl::Button(i, count),
        {.command =
             [click](int code) {
               if (code == BN_CLICKED || code == BN_DOUBLECLICKED) click();
             },
         .draw =
             [this, &model](const DRAWITEMSTRUCT& item) {
               const int w = item.rcItem.right - item.rcItem.left,
                         h = item.rcItem.bottom - item.rcItem.top;
               FaceText text{model.Caption(), uiFonts_.Scale()(UiFontSpec(true)), false};
               text.font.color = clWhite;
               ShowFace(item, FlatButtonFace({colors_, fonts_}, Bitmap32(w, h, kMaroon),
                                             (item.itemState & ODS_SELECTED) != 0, text));
             }});
  }
  SetFocus(last);
}

void ConfirmWindow::FitLabel() {
  const int width = MeasureTextWidth(uiFonts_.Get(UiFontRole::kNormal), dialog_.Label1.Caption());
  const DpiScale scale = uiFonts_.Scale();
  SetWindowPos(label_, nullptr, 0, 0, width, scale(cl::kLabel.Height()),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(label_, nullptr, TRUE);
}

const Bitmap32& ConfirmWindow::Compose() {
  const DpiScale scale = uiFonts_.Scale();
  const Rect whole{0, 0, scale(cl::kWidth), scale(cl::kHeight)};
  background_ = Bitmap32(whole.Width(), whole.Height(), kMaroon);
  // A raised bevel: the outer line light and dark shadow, the inner one
  // highlight and shadow, as Windows draws a raised edge.
  const int line = scale(1);
  shading::Bevel(background_, whole, line, colors_.Resolve(kThreeDLight),
                 colors_.Resolve(kThreeDDarkShadow));
  const Rect inner{whole.left + line, whole.top + line, whole.right - line, whole.bottom - line};
  shading::Bevel(background_, inner, line, colors_.Resolve(clBtnHighlight),
                 colors_.Resolve(clBtnShadow));
  return background_;
}

LRESULT ConfirmWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (timers_ && timers_->Fire(wParam)) return 0;
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {  // Escape
        dialog_.Close();
        return 0;
      }
      break;
    case WM_CLOSE:
      dialog_.Close();
      return 0;
    default:
      break;
  }
  return ParentWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace haltwise
