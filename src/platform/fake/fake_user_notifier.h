#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/fake/fake_seam.h"
#include "platform/user_notifier.h"

namespace haltwise::fake {

// What the user would have seen, in order: "message: ...", "error: ...",
// "balloon[anchor,ms]: ...", "beep: type".
class FakeUserNotifier : public UserNotifier, public FakeSeam {
 public:
  std::vector<std::string> shown;
  // Runs while a box is open, as its modal loop would run the timers.
  std::function<void(const std::string& box)> whileOpen;

  void ShowMessage(const std::string& text) override {
    Enter("MessageBox", text);
    shown.push_back("message: " + text);
    if (whileOpen) whileOpen(shown.back());
  }
  void ShowError(const std::string& text) override {
    Enter("ErrorBox", text);
    shown.push_back("error: " + text);
    if (whileOpen) whileOpen(shown.back());
  }
  void ShowBalloon(const std::string& anchorControl, const std::string& text,
                   const std::string& title, int milliseconds) override {
    Enter("Balloon", text);
    shown.push_back("balloon[" + anchorControl + "," + std::to_string(milliseconds) +
                    "]: " + title + text);
  }
  void Beep(std::uint32_t type) override {
    Enter("MessageBeep", std::to_string(type));
    shown.push_back("beep: " + std::to_string(type));
  }
};

}  // namespace haltwise::fake
