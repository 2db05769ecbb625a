#include "app/error_boxes.h"

#include <exception>
#include <utility>

namespace haltwise {

void ErrorBoxes::ShowError(const std::string& text) {
  if (open_) {
    waiting_ = text;
    return;
  }
  std::optional<std::string> next = text;
  while (next) {
    struct Open {
      bool& open;
      explicit Open(bool& flag) : open(flag) { open = true; }
      ~Open() { open = false; }
    } box(open_);
    notifier_.ShowError(*next);
    next = std::exchange(waiting_, std::nullopt);
  }
}

void ErrorBoxes::Run(const void* source, const std::function<void()>& handler) {
  try {
    handler();
    shown_.erase(source);
  } catch (const std::exception& error) {
    const std::string message = error.what();
    const auto last = shown_.find(source);
    if (last != shown_.end() && last->second == message) return;
    // Not shown while another box is open: a lasting fault is met again at
    // the next run.
    if (open_) return;
    shown_[source] = message;
    ShowError(message);
  }
}

}  // namespace haltwise
