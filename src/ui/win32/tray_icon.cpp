#include "ui/win32/tray_icon.h"

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace haltwise {

namespace {

// As much of the text as the field holds, always terminated, never cut
// between the two halves of a surrogate pair.
template <std::size_t N>
void CopyTruncated(wchar_t (&field)[N], const std::wstring& text) {
  std::size_t length = std::min(text.size(), N - 1);
  if (length < text.size() && length > 0 && IS_HIGH_SURROGATE(text[length - 1])) --length;
  std::copy_n(text.data(), length, field);
  field[length] = L'\0';
}

}  // namespace

TrayIcon::TrayIcon(HWND owner, UINT callbackMessage)
    : owner_(owner), callbackMessage_(callbackMessage) {}

void TrayIcon::SetIcon(HICON icon) {
  if (icon == icon_) return;
  icon_ = icon;
  if (!shown_) return;
  NOTIFYICONDATAW data = Data(NIF_ICON);
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner_;
  data.uID = 1;
  data.uFlags = flags;
  data.uCallbackMessage = callbackMessage_;
  data.hIcon = icon_;
  CopyTruncated(data.szTip, wideHint_);
  return data;
}

void TrayIcon::Show() {
  if (shown_) return;
  NOTIFYICONDATAW data = Data(NIF_ICON | NIF_MESSAGE | NIF_TIP);
  shown_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void TrayIcon::Hide() {
  if (!shown_) return;
  NOTIFYICONDATAW data = Data(0);
  Shell_NotifyIconW(NIM_DELETE, &data);
  shown_ = false;
}

void TrayIcon::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  wideHint_ = Widen(hint);
  if (!shown_) return;
  NOTIFYICONDATAW data = Data(NIF_TIP);
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

void TrayIcon::ShowBalloon(const std::string& title, const std::string& text) {
  if (!shown_) return;
  NOTIFYICONDATAW data = Data(NIF_INFO);
  CopyTruncated(data.szInfoTitle, Widen(title));
  CopyTruncated(data.szInfo, Widen(text));
  data.dwInfoFlags = NIIF_INFO;
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

void TrayIcon::Restore() {
  if (!shown_) return;
  NOTIFYICONDATAW data = Data(NIF_ICON | NIF_MESSAGE | NIF_TIP);
  Shell_NotifyIconW(NIM_ADD, &data);
}

}  // namespace haltwise
