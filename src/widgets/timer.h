#pragma once
#include <cstdint>
#include <functional>

#include "widgets/control.h"

namespace haltwise {

// A message-driven timer: an interval, an enabled flag and a handler. The
// Win32 layer runs it with SetTimer; headless runs use a TimerQueue.
class Timer : public Control {
 public:
  Timer(std::string name, std::uint32_t intervalMs, bool enabled)
      : Control(std::move(name)), interval_(intervalMs) {
    SetEnabled(enabled);
  }

  std::uint32_t Interval() const { return interval_; }
  void SetInterval(std::uint32_t value) { Set(interval_, value); }
  void Fire() const {
    if (OnTimer) OnTimer();
  }

  std::function<void()> OnTimer;

 private:
  std::uint32_t interval_;
};

}  // namespace haltwise
