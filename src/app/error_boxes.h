#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/user_notifier.h"

namespace haltwise {

// The program's error boxes, so that errors never pile up: at most one is
// open at a time, and the failure of a handler that runs again and again
// (a timer's) is shown once, and again only after the handler has run
// without it. A box's own message loop keeps the timers running, so
// without this a lasting fault stacked a box every second.
//
// It passes everything else through to the notifier it wraps.
class ErrorBoxes : public UserNotifier {
 public:
  explicit ErrorBoxes(UserNotifier& notifier) : notifier_(notifier) {}

  // Runs a repeating handler; `source` tells the handlers apart. An error
  // that escapes it is shown as above, and the program goes on.
  void Run(const void* source, const std::function<void()>& handler);

  // An error box; one asked for while another is open follows when that
  // one is closed.
  void ShowError(const std::string& text) override;
  void ShowMessage(const std::string& text) override { notifier_.ShowMessage(text); }
  void ShowBalloon(const std::string& anchorControl, const std::string& text,
                   const std::string& title, int milliseconds) override {
    notifier_.ShowBalloon(anchorControl, text, title, milliseconds);
  }
  void Beep(std::uint32_t type) override { notifier_.Beep(type); }

 private:
  UserNotifier& notifier_;
  bool open_ = false;
  std::optional<std::string> waiting_;
  // The failure each repeating handler last showed, while it lasts.
  std::map<const void*, std::string> shown_;
};

}  // namespace haltwise
