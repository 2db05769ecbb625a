#pragma once
#include <string>

#include "platform/color.h"

namespace haltwise {

// What the about box shows; the UI layer creates it, owned by the main
// window, shows it modally and frees it.
struct AboutBoxModel {
  Color background = 0;
  Color text = 0;
  std::string version;
};

// What the main window's logic asks of the window that shows it. The Win32
// layer implements it; headless tests record the requests.
class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;

  virtual void ShowMainWindow() = 0;
  virtual void HideMainWindow() = 0;
  virtual void CloseMainWindow() = 0;
  virtual void ShowAboutBox(const AboutBoxModel& about) = 0;
  // Paints the window at once, before slow work. No other message is let
  // through: a close in the middle of the work would find it half done.
  virtual void PaintNow() = 0;
  // The hourglass for the whole screen, or the default cursor again.
  virtual void SetHourglass(bool on) = 0;
  // A balloon from the notification-area icon, while the icon is shown.
  virtual void ShowTrayBalloon(const std::string& title, const std::string& text) = 0;
};

// Shows the hourglass for as long as it lives.
class ScopedHourglass {
 public:
  explicit ScopedHourglass(MainWindowHost& host) : host_(host) { host_.SetHourglass(true); }
  ScopedHourglass(const ScopedHourglass&) = delete;
  ScopedHourglass& operator=(const ScopedHourglass&) = delete;
  ~ScopedHourglass() { host_.SetHourglass(false); }

 private:
  MainWindowHost& host_;
};

}  // namespace haltwise
