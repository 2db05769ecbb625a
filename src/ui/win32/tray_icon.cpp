#include "ui/win32/tray_icon.h"

#include <algorithm>
#include <cstring>

namespace haltwise {

TrayIcon::TrayIcon(HWND owner, UINT callbackMessage)
    : owner_(owner), callbackMessage_(callbackMessage) {}

void TrayIcon::SetIcon(HICON icon) {
  if (icon == icon_) return;
  icon_ = icon;
  if (!shown_) return;
  NOTIFYICONDATAA data = Data(NIF_ICON);
  Shell_NotifyIconA(NIM_MODIFY, &data);
}

NOTIFYICONDATAA TrayIcon::Data(UINT flags) const {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner_;
  data.uID = 1;
  data.uFlags = flags;
  data.uCallbackMessage = callbackMessage_;
  data.hIcon = icon_;
  const std::size_t length = std::min(hint_.size(), sizeof(data.szTip) - 1);
  std::memcpy(data.szTip, hint_.data(), length);
  data.szTip[length] = '\0';
  return data;
}

void TrayIcon::Show() {
  if (shown_) return;
  NOTIFYICONDATAA data = Data(NIF_ICON | NIF_MESSAGE | NIF_TIP);
  shown_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

void TrayIcon::Hide() {
  if (!shown_) return;
  NOTIFYICONDATAA data = Data(0);
  Shell_NotifyIconA(NIM_DELETE, &data);
  shown_ = false;
}

void TrayIcon::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  if (!shown_) return;
  NOTIFYICONDATAA data = Data(NIF_TIP);
  Shell_NotifyIconA(NIM_MODIFY, &data);
}

void TrayIcon::Restore() {
  if (!shown_) return;
  NOTIFYICONDATAA data = Data(NIF_ICON | NIF_MESSAGE | NIF_TIP);
  Shell_NotifyIconA(NIM_ADD, &data);
}

}  // namespace haltwise
