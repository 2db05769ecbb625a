#pragma once
#include "platform/power.h"
#include "platform/win32/last_error.h"

namespace haltwise {

// Which system call carries out a suspend or hibernate on this machine.
enum class SuspendRoute {
  kSetSystemPowerState,  // kernel32 of older Windows (and Wine)
  kSetSuspendState,      // powrprof.dll, current Windows
  kNone,
};

// ExitWindowsEx and the suspend call. SetSystemPowerState is gone from
// current Windows, so both it and its replacement are looked up at run
// time. Never call this from a test: it really powers the machine down.
class Win32Power : public Power {
 public:
  bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
  bool SetSystemPowerState(bool suspend, bool force) override;
  long LastError() const override { return lastError_.Get(); }

  // Resolves the route without calling it.
  static SuspendRoute FindSuspendRoute();

 private:
  LastErrorKeeper lastError_;
};

}  // namespace haltwise
