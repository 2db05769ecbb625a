#pragma once
#include <string>

#include "platform/power.h"

namespace haltwise {

// Keeps Windows' idle sleep timer from sleeping the machine while held: a
// power request that `powercfg /requests` lists with its reason, or where
// Windows has none, the thread's execution state. Released when dropped.
class KeepAwake {
 public:
  explicit KeepAwake(Power& power) : power_(power) {}
  KeepAwake(const KeepAwake&) = delete;
  KeepAwake& operator=(const KeepAwake&) = delete;
  ~KeepAwake() { Release(); }

  // Does nothing while already held.
  void Hold(const std::string& reason);
  void Release();
  bool Held() const { return means_ != Means::None; }

 private:
  enum class Means { None, PowerRequest, ExecutionState };

  Power& power_;
  Means means_ = Means::None;
  PowerRequestHandle request_ = kInvalidPowerRequest;
};

}  // namespace haltwise
