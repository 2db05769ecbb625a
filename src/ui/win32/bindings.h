#pragma once
#include <functional>
#include <memory>
#include <type_traits>

#include "widgets/signal.h"

namespace haltwise {

// Listeners that a window connects to its models' signals. Models usually
// outlive their windows and signals cannot disconnect, so each listener
// checks that its owner is still alive before it runs.
class Bindings {
 public:
  Bindings() = default;
  Bindings(const Bindings&) = delete;
  Bindings& operator=(const Bindings&) = delete;

  template <typename... Args>
  void Listen(Signal<Args...>& signal,
              std::type_identity_t<std::function<void(Args...)>> listener) {
    std::weak_ptr<char> alive = alive_;
    signal.Connect([alive, listener = std::move(listener)](Args... args) {
      if (!alive.expired()) listener(args...);
    });
  }

 private:
  std::shared_ptr<char> alive_ = std::make_shared<char>();
};

}  // namespace haltwise
