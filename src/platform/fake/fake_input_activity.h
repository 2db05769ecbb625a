#pragma once
#include <string>

#include "platform/fake/fake_seam.h"
#include "platform/input_activity.h"

namespace haltwise::fake {

// The session's last keyboard or mouse input, set by the test at a tick of
// its fake clock.
class FakeInputActivity : public InputActivity, public FakeSeam {
 public:
  std::uint32_t lastInputTick = 0;

  bool GetLastInputInfo(std::uint32_t* lastInput) override {
    if (auto error = Enter("GetLastInputInfo", "")) {
      lastError_ = *error;
      return false;
    }
    *lastInput = lastInputTick;
    return true;
  }
  long LastError() const override { return lastError_; }

 private:
  long lastError_ = 0;
};

}  // namespace haltwise::fake
