#include "ui/win32/timer_host.h"

namespace haltwise {

TimerHost::~TimerHost() {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].running) KillTimer(window_, IdOf(i));
  }
}

void TimerHost::Bind(Timer& timer) {
  const std::size_t index = entries_.size();
  entries_.push_back({&timer, false, 0});
  bindings_.Listen(timer.Changed, [this, index] { Sync(index); });
  Sync(index);
}

void TimerHost::Sync(std::size_t index) {
  Entry& entry = entries_[index];
  const bool run = entry.timer->Enabled() && entry.timer->Interval() > 0;
  if (run == entry.running && (!run || entry.interval == entry.timer->Interval())) return;
  if (run) {
    SetTimer(window_, IdOf(index), entry.timer->Interval(), nullptr);
  } else {
    KillTimer(window_, IdOf(index));
  }
  entry.running = run;
  entry.interval = entry.timer->Interval();
}

bool TimerHost::Fire(UINT_PTR id) {
  if (id < kFirstId || id >= kFirstId + entries_.size()) return false;
  const Entry& entry = entries_[id - kFirstId];
  // A tick already queued when the model was switched off is dropped.
  if (entry.running) entry.timer->Fire();
  return true;
}

}  // namespace haltwise
