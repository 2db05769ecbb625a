#pragma once
#include <functional>
#include <vector>

namespace haltwise {

// A list of listeners called in order of connection. Models use it to tell
// the Win32 layer (or a test) that a property changed.
template <typename... Args>
class Signal {
 public:
  using Listener = std::function<void(Args...)>;
  void Connect(Listener listener) { listeners_.push_back(std::move(listener)); }
  void Emit(Args... args) const {
    for (const Listener& listener : listeners_) listener(args...);
  }

 private:
  std::vector<Listener> listeners_;
};

}  // namespace haltwise
