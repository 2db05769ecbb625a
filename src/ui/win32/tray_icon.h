#pragma once
#include <string>

#include "platform/win32/windows_api.h"
// After <windows.h>:
#include <shellapi.h>

namespace haltwise {

// The notification-area icon. Mouse events on it arrive at the owner as
// `callbackMessage` with the mouse message in lParam.
class TrayIcon {
 public:
  TrayIcon(HWND owner, UINT callbackMessage);
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon() { Hide(); }

  // The icon shown, sized for the notification area's scale; not owned.
  void SetIcon(HICON icon);
  void Show();
  void Hide();
  bool Shown() const { return shown_; }
  // The hint; the notification area keeps at most 127 characters of it.
  void SetHint(const std::string& hint);
  // A balloon from the icon (a notification on newer Windows), while the
  // icon is shown.
  void ShowBalloon(const std::string& title, const std::string& text);
  // Explorer forgets every icon when it restarts: add ours again.
  void Restore();

 private:
  NOTIFYICONDATAW Data(UINT flags) const;

  HWND owner_;
  UINT callbackMessage_;
  HICON icon_ = nullptr;
  std::string hint_;
  std::wstring wideHint_;
  bool shown_ = false;
};

}  // namespace haltwise
