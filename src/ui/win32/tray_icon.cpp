#include "ui/win32/tray_icon.h"

#include <algorithm>
#include <cstring>

namespace haltwise {

namespace {

// As much of the text as the field holds, always terminated.
template <std::size_t N>
void CopyTruncated(char (&field)[N], const std::string& text) {
  const std::size_t length = std::min(text.size(), N - 1);
  std::memcpy(field, text.data(), length);
  field[length] = '\0';
}

}  // namespace

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
  CopyTruncated(data.szTip, hint_);
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

void TrayIcon::ShowBalloon(const std::string& title, const std::string& text) {
  if (!shown_) return;
  NOTIFYICONDATAA data = Data(NIF_INFO);
  CopyTruncated(data.szInfoTitle, title);
  CopyTruncated(data.szInfo, text);
  data.dwInfoFlags = NIIF_INFO;
  Shell_NotifyIconA(NIM_MODIFY, &data);
}

void TrayIcon::Restore() {
  if (!shown_) return;
  NOTIFYICONDATAA data = Data(NIF_ICON | NIF_MESSAGE | NIF_TIP);
  Shell_NotifyIconA(NIM_ADD, &data);
}

}  // namespace haltwise
