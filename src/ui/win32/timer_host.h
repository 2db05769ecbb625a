#pragma once
#include <cstdint>
#include <vector>

#include "platform/win32/windows_api.h"
#include "ui/win32/bindings.h"
#include "widgets/timer.h"

namespace haltwise {

// Runs Timer models as window timers: SetTimer while a model is enabled
// with a non-zero interval, KillTimer otherwise. A change of interval
// restarts the count. The window passes its WM_TIMER messages to Fire.
class TimerHost {
 public:
  explicit TimerHost(HWND window) : window_(window) {}
  TimerHost(const TimerHost&) = delete;
  TimerHost& operator=(const TimerHost&) = delete;
  ~TimerHost();

  void Bind(Timer& timer);
  // True when the id belongs to one of the bound timers.
  bool Fire(UINT_PTR id);

 private:
  struct Entry {
    Timer* timer;
    bool running;
    std::uint32_t interval;
  };
  void Sync(std::size_t index);
  static UINT_PTR IdOf(std::size_t index) { return kFirstId + index; }

  static constexpr UINT_PTR kFirstId = 0x4800;
  HWND window_;
  std::vector<Entry> entries_;
  Bindings bindings_;
};

}  // namespace haltwise
