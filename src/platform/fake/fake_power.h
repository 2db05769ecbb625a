#pragma once
#include "platform/fake/fake_seam.h"
#include "platform/power.h"

namespace haltwise::fake {

// Records power requests instead of carrying them out.
class FakePower : public Power, public FakeSeam {
 public:
  bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override {
    if (auto error = Enter("ExitWindowsEx",
                           "flags=" + std::to_string(flags) + " reason=" + std::to_string(reason))) {
      lastError_ = *error;
      return false;
    }
    return true;
  }
  bool SetSystemPowerState(bool suspend, bool force) override {
    if (auto error = Enter("SetSystemPowerState", std::string("suspend=") + (suspend ? "1" : "0") +
                                                      " force=" + (force ? "1" : "0"))) {
      lastError_ = *error;
      return false;
    }
    return true;
  }
  long LastError() const override { return lastError_; }

 private:
  long lastError_ = 0;
};

}  // namespace haltwise::fake
