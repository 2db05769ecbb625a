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
// time, as are the power-request calls that older Windows lacks. Never call
// ExitWindowsEx or SetSystemPowerState from a test: they really power the
// machine down.
class Win32Power : public Power {
 public:
  bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
  bool SetSystemPowerState(bool suspend, bool force) override;
  bool GetPwrCapabilities(PowerCapabilities* capabilities) override;
  bool BroadcastSystemCommand(std::uint32_t command, std::intptr_t argument) override;
  PowerRequestHandle PowerCreateRequest(const std::string& reason) override;
  bool PowerSetRequest(PowerRequestHandle request, std::uint32_t type) override;
  bool PowerClearRequest(PowerRequestHandle request, std::uint32_t type) override;
  bool CloseHandle(PowerRequestHandle request) override;
  std::uint32_t SetThreadExecutionState(std::uint32_t flags) override;
  long LastError() const override { return lastError_.Get(); }

  // Resolves the route without calling it.
  static SuspendRoute FindSuspendRoute();

 private:
  LastErrorKeeper lastError_;
};

}  // namespace haltwise
