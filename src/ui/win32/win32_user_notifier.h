#pragma once
#include <functional>
#include <string>

#include "platform/user_notifier.h"
#include "platform/win32/windows_api.h"

namespace haltwise {

class BalloonHint;

// Message boxes, balloons and the beep for the main window. The owner and
// the balloon arrive once the main window exists; until then boxes have no
// owner and balloons are dropped.
class Win32UserNotifier : public UserNotifier {
 public:
  explicit Win32UserNotifier(std::string applicationTitle) : title_(std::move(applicationTitle)) {}

  void Attach(HWND owner, BalloonHint* balloon,
              std::function<HWND(const std::string&)> findControl);

  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  void ShowBalloon(const std::string& anchorControl, const std::string& text,
                   const std::string& title, int milliseconds) override;
  void Beep(std::uint32_t type) override;

 private:
  std::string title_;
  HWND owner_ = nullptr;
  BalloonHint* balloon_ = nullptr;
  std::function<HWND(const std::string&)> findControl_;
};

}  // namespace haltwise
