#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/frm_shutdown.h"
#include "app/main_window_host.h"
#include "gfx/font_rasteriser.h"
#include "gfx/system_colors.h"
#include "ui/look/pictures.h"
#include "ui/win32/balloon_hint.h"
#include "ui/win32/bindings.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/dib_surface.h"
#include "ui/win32/display_window.h"
#include "ui/win32/hint_tips.h"
#include "ui/win32/status_strip.h"
#include "ui/win32/timer_host.h"
#include "ui/win32/tray_icon.h"
#include "ui/win32/window.h"

namespace haltwise {

class Button;
class SpinEdit;
class ComboBox;
class RadioButton;
class DateTimePicker;

// TfrmShutdown on the screen: a borderless window shaped by its picture,
// with every control of the form as a real child window bound to its model
// in both directions, the notification-area icon and the window timers.
class MainWindow : public Window, public MainWindowHost {
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
  void ProcessMessages() override;
  void SetHourglass(bool on) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Controls (main_window_controls.cpp).
  void CreateControls();
  void AddModeButton(Button& button, const Rect& place);
  void AddActionToggle(Button& button, const Rect& place);
  void AddStartButton();
  void AddFlatButton(Button& button, const Rect& place, const std::string& text, const char* glyph,
                     bool bold);
  void AddDisplays();
  HWND AddLabel(const std::string& name, const std::string& text, const Rect& place, bool onPage,
                HFONT font = nullptr, DWORD align = SS_LEFT);
  void BindHint(HWND window, Control& model);
  void DrawFace(const DRAWITEMSTRUCT& item, const Bitmap32& face);
  Bitmap32 Background(const DRAWITEMSTRUCT& item) const;

  // Settings pages (main_window_pages.cpp).
  void CreatePages();
  // Each returns its windows: a spin edit's arrows are a window of their own.
  std::vector<HWND> AddSpinEdit(SpinEdit& edit, const Rect& place, bool skinned);
  std::vector<HWND> AddCombo(ComboBox& combo, const Rect& place);
  std::vector<HWND> AddRadio(RadioButton& radio, const Rect& place);
  std::vector<HWND> AddDatePicker(DateTimePicker& picker, const Rect& place);
  void ShowActivePage();

  // Window behaviour (main_window.cpp).
  void ComposeBackground();
  void ApplyRegion();
  void OnTrayMessage(LPARAM lParam);
  void ShowTrayMenu();
  void BeginDrag(LPARAM lParam);
  void DragTo(LPARAM lParam);
  void Close();

  FontRasteriser& fonts_;
  const SystemColors& colors_;
  HICON icon_;
  TfrmShutdown* form_ = nullptr;

  MainWindowPictures pictures_;
  Bitmap32 composed_;  // the picture with the settings page's background
  DibSurface backBuffer_;
  // The composed picture as a brush, for labels that sit on it.
  UniqueBrush pictureBrush_;

  ChildControls children_{nullptr};
  BrushCache brushes_;
  UniqueFont font_;
  UniqueFont boldFont_;
  UniqueFont titleFont_;
  std::unique_ptr<HintTips> hints_;
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
