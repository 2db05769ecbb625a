#include "ui/win32/win32_user_notifier.h"

#include "platform/win32/wide_text.h"
#include "ui/win32/balloon_hint.h"

namespace haltwise {

void Win32UserNotifier::Attach(HWND owner, BalloonHint* balloon,
                               std::function<HWND(const std::string&)> findControl) {
  owner_ = owner;
  balloon_ = balloon;
  findControl_ = std::move(findControl);
}

void Win32UserNotifier::ShowMessage(const std::string& text) {
  MessageBoxW(owner_, Widen(text).c_str(), Widen(title_).c_str(), MB_OK);
}

void Win32UserNotifier::ShowError(const std::string& text) {
  MessageBoxW(owner_, Widen(text).c_str(), L"Error", MB_OK | MB_ICONERROR);
}

void Win32UserNotifier::ShowBalloon(const std::string& anchorControl, const std::string& text,
                                    const std::string& title, int milliseconds) {
  if (!balloon_) return;
  balloon_->Show(findControl_ ? findControl_(anchorControl) : nullptr, text, title, milliseconds);
}

void Win32UserNotifier::Beep(std::uint32_t type) { MessageBeep(type); }

}  // namespace haltwise
