#pragma once
#include <cstdint>

namespace haltwise {

// The calls that end the session or power the machine down. Never call the
// real implementation from a test.
class Power {
 public:
  virtual ~Power() = default;

  virtual bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) = 0;
  virtual bool SetSystemPowerState(bool suspend, bool force) = 0;
  virtual long LastError() const = 0;
};

}  // namespace haltwise
