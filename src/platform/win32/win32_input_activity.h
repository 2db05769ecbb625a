#pragma once
#include "platform/input_activity.h"

namespace haltwise {

// GetLastInputInfo.
class Win32InputActivity : public InputActivity {
 public:
  bool GetLastInputInfo(std::uint32_t* lastInputTick) override;
  long LastError() const override { return lastError_; }

 private:
  long lastError_ = 0;
};

}  // namespace haltwise
