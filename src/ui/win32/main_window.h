#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/frm_shutdown.h"
#include "app/main_window_host.h"
#include "gfx/dpi_scale.h"
#include "gfx/font_rasteriser.h"
#include "gfx/system_colors.h"
#include "ui/look/pictures.h"
#include "ui/win32/balloon_hint.h"
#include "ui/win32/bindings.h"
#include "ui/win32/display_window.h"
#include "ui/win32/hint_tips.h"
#include "ui/win32/parent_window.h"
#include "ui/win32/status_strip.h"
#include "ui/win32/timer_host.h"
#include "ui/win32/tray_icon.h"
#include "ui/win32/widget_bindings.h"

namespace haltwise {

// TfrmShutdown on the screen: a borderless window shaped by its picture,
// with every control of the form as a real child window bound to its model
// in both directions, the notification-area icon and the window timers.
// It is laid out at its monitor's scale, and again when it moves to a
// monitor of another scale.
class MainWindow : public ParentWindow, public MainWindowHost {
 public:
  MainWindow(FontRasteriser& fonts, const SystemColors& colors, HICON icon);
  ~MainWindow() override;

  // Creates the window (hidden) and its controls for the form's models.
  void Create(TfrmShutdown& form);
  // Takes the skin's pictures and colours that the form loaded.
  void ApplyLook();
  // Shows the window centred and activates it.
  void ShowFirstTime();

  HWND FindControl(const std::string& name) const { return children_.Find(name); }
  BalloonHint* Balloon() { return balloon_.get(); }

  // MainWindowHost
  void ShowMainWindow() override;
  void HideMainWindow() override;
  void CloseMainWindow() override;
  void ShowAboutBox(const AboutBoxModel& about) override;
  void PaintNow() override;
  void SetHourglass(bool on) override;
  void ShowTrayBalloon(const std::string& title, const std::string& text) override {
    tray_->ShowBalloon(title, text);
  }

 protected:
  const Bitmap32& Compose() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  DpiScale Scale() const { return uiFonts_.Scale(); }

  // Controls (main_window_controls.cpp).
  void CreateControls();
  void AddButtons();
  void AddDisplays();
  void PlaceDisplays();
  HWND AddLabel(const std::string& name, const std::string& text, const Rect& place, bool onPage,
                DWORD align = SS_LEFT);
  Bitmap32 Background(const DRAWITEMSTRUCT& item) const;
  FontSpec FaceFont(bool bold) const;

  // Settings pages (main_window_pages.cpp).
  void CreatePages();
  HBRUSH PageColours(HDC dc);
  void ShowActivePage();

  // Window behaviour (main_window.cpp).
  void ApplyScale(DpiScale scale);
  void ComposeBackground();
  void ApplyRegion();
  void SetTrayIcon();
  void OnTrayMessage(LPARAM lParam);
  void ShowTrayMenu();
  void BeginDrag(LPARAM lParam);
  void DragTo(LPARAM lParam);
  void Close();

  FontRasteriser& fonts_;
  const SystemColors& colors_;
  HICON icon_;
  TfrmShutdown* form_ = nullptr;

  // The pictures as drawn for 96 DPI, a skin's large ones drawn for 192
  // (empty where it has none), and the pictures at the window's scale.
  MainWindowPictures designPictures_;
  MainWindowPictures largePictures_;
  MainWindowPictures pictures_;
  Bitmap32 composed_;  // the picture with the settings page's background
  // The composed picture as a brush, for labels that sit on it.
  UniqueBrush pictureBrush_;
  UniqueIcon trayIcon_;

  std::unique_ptr<HintTips> hints_;
  std::unique_ptr<WidgetBinder> binder_;
  std::unique_ptr<BalloonHint> balloon_;
  std::unique_ptr<TimerHost> timers_;
  std::unique_ptr<TrayIcon> tray_;
  std::unique_ptr<StatusStrip> status_;
  std::vector<std::unique_ptr<DisplayWindow>> displays_;
  std::vector<HWND> ownerDrawn_;
  // The windows of each settings page, by page index.
  std::vector<std::vector<HWND>> pages_;
  Bindings bindings_;

  UINT taskbarCreated_ = 0;
  bool hourglass_ = false;
  bool dragging_ = false;
  bool dragStarted_ = false;
  POINT dragFrom_{};
  RECT dragWindow_{};
};

}  // namespace haltwise
