#include "ui/win32/main_window.h"

#include <commctrl.h>

#include "platform/win32/wide_text.h"
#include "ui/look/button_faces.h"
#include "ui/look/layout.h"
#include "ui/look/picture_scaling.h"
#include "ui/look/scaled_layout.h"
#include "ui/look/window_shape.h"
#include "ui/win32/about_box.h"
#include "ui/win32/dpi.h"
#include "ui/win32/modal_loop.h"
#include "ui/win32/ui_fonts.h"

namespace haltwise {

namespace {

constexpr wchar_t kClassName[] = L"HaltwiseMainWindow";
constexpr UINT kTrayMessage = WM_APP + 1;
// The first activation's work runs from this posted message, outside the
// activation message, once the activation is complete.
constexpr UINT kActivatedMessage = WM_APP + 2;
constexpr UINT kMenuVersion = 1;
constexpr UINT kMenuRestore = 2;
// The window follows the mouse only after it moved this far.
constexpr int kDragThreshold = 5;
constexpr int kIconResource = 1;

}  // namespace

MainWindow::MainWindow(FontRasteriser& fonts, const SystemColors& colors, HICON icon)
    : fonts_(fonts),
      colors_(colors),
      icon_(icon),
      designPictures_(DrawPictures(DefaultPalette())) {}

MainWindow::~MainWindow() = default;

void MainWindow::Create(TfrmShutdown& form) {
  form_ = &form;
  RegisterWindowClass(kClassName, nullptr, icon_);
  const Rect size = layout::FormAt(ScreenDpi());
  Window::Create(WS_EX_CONTROLPARENT | WS_EX_APPWINDOW, kClassName, "Haltwise",
                 WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_SYSMENU, 0, 0, size.Width(),
                 size.Height(), nullptr);
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  StartChildren();
  hints_ = std::make_unique<HintTips>(Handle());
  binder_ = std::make_unique<WidgetBinder>(
      Handle(), children_, *hints_, bindings_,
      [this](const DRAWITEMSTRUCT& item, const Bitmap32& face) { ShowFace(item, face); });
  balloon_ = std::make_unique<BalloonHint>(Handle());
  balloon_->SetScale(Scale());
  timers_ = std::make_unique<TimerHost>(Handle());
  tray_ = std::make_unique<TrayIcon>(Handle(), kTrayMessage);
  pictures_ = PicturesAt(designPictures_, largePictures_, Scale());
  SetTrayIcon();

  CreateControls();
  for (Timer* timer : {&form.tmrCheck, &form.tmrCpu, &form.tmrDiskRt, &form.LCD.AnimationTimer()}) {
    timers_->Bind(*timer);
  }
  bindings_.Listen(form.JvTray.Changed, [this] {
    tray_->SetHint(form_->JvTray.Hint());
    if (form_->JvTray.Visible()) {
      tray_->Show();
    } else {
      tray_->Hide();
    }
  });
  tray_->SetHint(form.JvTray.Hint());
  // The monitor's scale may differ from the screen's that sized the window.
  SetWindowPos(Handle(), nullptr, 0, 0, layout::FormAt(Scale()).Width(),
               layout::FormAt(Scale()).Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ComposeBackground();
}

void MainWindow::ApplyLook() {
  const auto& skin = form_->skinPictures;
  MainWindowPictures builtin = DrawPictures(DefaultPalette());
  MainWindowPictures& p = designPictures_;
  p.form = skin.mainForm ? *skin.mainForm : std::move(builtin.form);
  // The mode buttons' images come as a pair or not at all.
  const bool buttons = skin.buttonUp && skin.buttonDown;
  p.buttonUp = buttons ? *skin.buttonUp : std::move(builtin.buttonUp);
  p.buttonDown = buttons ? *skin.buttonDown : std::move(builtin.buttonDown);
  p.leds = skin.leds ? *skin.leds : std::move(builtin.leds);
  p.startOff = skin.startOff ? *skin.startOff : std::move(builtin.startOff);
  p.startOn = skin.startOn ? *skin.startOn : std::move(builtin.startOn);
  // A skin's large pictures stand in only for its own pictures in use.
  MainWindowPictures& l = largePictures_;
  const auto& large = skin.large;
  l.form = skin.mainForm && large.mainForm ? *large.mainForm : Bitmap32();
  l.buttonUp = buttons && large.buttonUp ? *large.buttonUp : Bitmap32();
  l.buttonDown = buttons && large.buttonDown ? *large.buttonDown : Bitmap32();
  l.leds = skin.leds && large.leds ? *large.leds : Bitmap32();
  l.startOff = skin.startOff && large.startOff ? *large.startOff : Bitmap32();
  l.startOn = skin.startOn && large.startOn ? *large.startOn : Bitmap32();
  pictures_ = PicturesAt(designPictures_, largePictures_, Scale());
  ComposeBackground();
  ApplyRegion();
  InvalidateRect(Handle(), nullptr, TRUE);
  for (HWND window : ownerDrawn_) InvalidateRect(window, nullptr, FALSE);
}

// Everything that depends on the scale, for a new one: fonts, pictures,
// the outline, every control's place and the icon.
void MainWindow::ApplyScale(DpiScale scale) {
  uiFonts_.Create(scale);
  pictures_ = PicturesAt(designPictures_, largePictures_, scale);
  ComposeBackground();
  ApplyRegion();
  children_.Relayout();
  PlaceDisplays();
  SetTrayIcon();
  if (balloon_) balloon_->SetScale(scale);
  InvalidateRect(Handle(), nullptr, TRUE);
  for (HWND window : ownerDrawn_) InvalidateRect(window, nullptr, FALSE);
}

// The picture with the settings pages' background, which is the window's
// own colour (the skin's panel colour).
void MainWindow::ComposeBackground() {
  const Rect form = layout::FormAt(Scale());
  const Color panel = colors_.Resolve(form_->skinColors.PanelBackground);
  composed_ = Bitmap32(form.Width(), form.Height(), panel);
  for (int y = 0; y < std::min(composed_.Height(), pictures_.form.Height()); ++y) {
    const auto from = pictures_.form.Row(y);
    auto to = composed_.Row(y);
    std::copy_n(from.begin(), std::min(composed_.Width(), pictures_.form.Width()), to.begin());
  }
  const Rect pages = Scale()(layout::kPages);
  for (int y = pages.top; y < pages.bottom; ++y) {
    for (int x = pages.left; x < pages.right; ++x) composed_.SetPixel(x, y, panel);
  }
  ComposeNow();
  pictureBrush_.Reset(CreatePatternBrush(BackBuffer().Bitmap()));
  if (status_) status_->SetBackground(Crop(composed_, Scale()(layout::kStatus)));
}

const Bitmap32& MainWindow::Compose() { return composed_; }

void MainWindow::SetTrayIcon() {
  // The small icon's size at the window's scale: 16 pixels at 96 DPI.
  const int size = SystemMetricAt(SM_CXSMICON, Scale());
  trayIcon_.Reset(
      static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource),
                                    IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
  tray_->SetIcon(trayIcon_ ? trayIcon_.Get() : icon_);
}

void MainWindow::ApplyRegion() {
  const std::vector<Rect> runs = OpaqueRuns(pictures_.form, kTransparentGreen);
  if (runs.empty()) return;
  std::vector<char> buffer(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(runs.size());
  data->rdh.rcBound = {0, 0, pictures_.form.Width(), pictures_.form.Height()};
  auto* rects = reinterpret_cast<RECT*>(data->Buffer);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    rects[i] = {runs[i].left, runs[i].top, runs[i].right, runs[i].bottom};
  }
  HRGN region = ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
  // The window owns the region from here on.
  if (region && !SetWindowRgn(Handle(), region, TRUE)) DeleteObject(region);
}

void MainWindow::ShowFirstTime() {
  const Rect form = layout::FormAt(Scale());
  const POINT at = CentredOnMonitorOf(Handle(), form.Width(), form.Height());
  SetWindowPos(Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowMainWindow();
}

void MainWindow::ShowMainWindow() {
  for (auto& display : displays_) display->SetShown(true);
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
}

void MainWindow::HideMainWindow() {
  ShowWindow(Handle(), SW_HIDE);
  // Nothing is composed for a window nobody sees.
  for (auto& display : displays_) display->SetShown(false);
}

void MainWindow::CloseMainWindow() { PostMessageW(Handle(), WM_CLOSE, 0, 0); }

void MainWindow::ShowAboutBox(const AboutBoxModel& about) {
  AboutBox box(about, fonts_, colors_);
  box.ShowModal(Handle());
}

void MainWindow::PaintNow() {
  RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void MainWindow::SetHourglass(bool on) {
  hourglass_ = on;
  SetCursor(LoadCursorW(nullptr, on ? IDC_WAIT : IDC_ARROW));
}

void MainWindow::OnTrayMessage(LPARAM lParam) {
  switch (LOWORD(lParam)) {
    case WM_LBUTTONDBLCLK:
      form_->Restore1.Click();
      break;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
      ShowTrayMenu();
      break;
    default:
      break;
  }
}

void MainWindow::ShowTrayMenu() {
  UniqueMenu menu(CreatePopupMenu());
  AppendMenuW(menu.Get(), MF_STRING, kMenuVersion, Widen(form_->miVer.Caption()).c_str());
  AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.Get(), MF_STRING, kMenuRestore, Widen(form_->Restore1.Caption()).c_str());
  SetMenuDefaultItem(menu.Get(), kMenuRestore, FALSE);
  POINT at;
  GetCursorPos(&at);
  // The menu closes properly only when its owner is in the foreground.
  SetForegroundWindow(Handle());
  const UINT chosen =
      TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
  PostMessageW(Handle(), WM_NULL, 0, 0);
  if (chosen == kMenuRestore) form_->Restore1.Click();
}

void MainWindow::BeginDrag(LPARAM lParam) {
  dragging_ = true;
  dragStarted_ = false;
  dragFrom_ = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(Handle(), &dragFrom_);
  GetWindowRect(Handle(), &dragWindow_);
  SetCapture(Handle());
}

void MainWindow::DragTo(LPARAM lParam) {
  POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(Handle(), &at);
  const int dx = at.x - dragFrom_.x, dy = at.y - dragFrom_.y;
  if (!dragStarted_ && std::abs(dx) <= kDragThreshold && std::abs(dy) <= kDragThreshold) return;
  dragStarted_ = true;
  SetWindowPos(Handle(), nullptr, dragWindow_.left + dx, dragWindow_.top + dy, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::Close() {
  // The settings are saved on the way out. A failure is shown, and the
  // window still closes: a folder that cannot be written to must not keep
  // the program from ending.
  try {
    form_->FormClose();
  } catch (const std::exception& error) {
    ShowErrorMessage(Handle(), error.what());
  }
  tray_->Hide();
  DestroyWindow(Handle());
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    tray_->Restore();
    return 0;
  }
  switch (message) {
    case WM_DPICHANGED: {
      // The window moved to a monitor of another scale: lay it out again
      // and take the place Windows suggests, at our own size.
      ApplyScale(DpiScale(HIWORD(wParam)));
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      const Rect form = layout::FormAt(Scale());
      SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, form.Width(), form.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_ACTIVATEAPP:
      if (wParam) PostMessageW(Handle(), kActivatedMessage, 0, 0);
      return 0;
    case kActivatedMessage:
      form_->ApplicationEvents1Activate();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) form_->EndSession();
      return 0;
    case WM_SETCURSOR:
      if (hourglass_) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      BeginDrag(lParam);
      return 0;
    case WM_MOUSEMOVE:
      if (dragging_) DragTo(lParam);
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (dragging_) {
        dragging_ = false;
        if (message == WM_LBUTTONUP) ReleaseCapture();
      }
      return 0;
    case WM_TIMER:
      if (timers_->Fire(wParam)) return 0;
      break;
    case kTrayMessage:
      OnTrayMessage(lParam);
      return 0;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC) form_->RestartLoadConditions();
      return TRUE;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return ParentWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace haltwise
