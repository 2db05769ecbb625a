#pragma once
#include <cstdint>
#include <string>

namespace haltwise {

// Requests that the UI layer fulfils: message boxes, balloon hints and the
// warning beep. Headless tests record them.
class UserNotifier {
 public:
  virtual ~UserNotifier() = default;

  // A plain modal box: the application's title, one OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // A modal box titled "Error" with the error icon and one OK button.
  virtual void ShowError(const std::string& text) = 0;
  // A balloon hint pointing at the named control.
  virtual void ShowBalloon(const std::string& anchorControl, const std::string& text,
                           const std::string& title, int milliseconds) = 0;
  // MessageBeep.
  virtual void Beep(std::uint32_t type) = 0;
};

}  // namespace haltwise
