#pragma once
#include <cstdint>
#include <string>

namespace haltwise {

// What GetPwrCapabilities reports that the program asks about.
struct PowerCapabilities {
  bool systemS3 = false;          // classic sleep
  bool hiberFilePresent = false;  // hibernation is on
  bool aoAc = false;              // Modern Standby (S0 low-power idle)
};

using PowerRequestHandle = std::uintptr_t;
// INVALID_HANDLE_VALUE, what PowerCreateRequest returns on failure.
inline constexpr PowerRequestHandle kInvalidPowerRequest = ~PowerRequestHandle{0};

// The calls that end the session or power the machine down, and those that
// keep it from sleeping on its own. Never call the real ExitWindowsEx or
// SetSystemPowerState from a test. After a failure LastError() gives the
// code GetLastError would give; ERROR_PROC_NOT_FOUND where this Windows
// lacks the call.
class Power {
 public:
  virtual ~Power() = default;

  virtual bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) = 0;
  virtual bool SetSystemPowerState(bool suspend, bool force) = 0;
  virtual bool GetPwrCapabilities(PowerCapabilities* capabilities) = 0;
  // PostMessage(HWND_BROADCAST, WM_SYSCOMMAND, command, argument): every
  // top-level window's default handling carries the command out.
  virtual bool BroadcastSystemCommand(std::uint32_t command, std::intptr_t argument) = 0;

  // PowerCreateRequest with a simple reason string, which `powercfg
  // /requests` shows; PowerSetRequest/PowerClearRequest with a
  // POWER_REQUEST_TYPE; CloseHandle on the request (Windows 7 and later).
  virtual PowerRequestHandle PowerCreateRequest(const std::string& reason) = 0;
  virtual bool PowerSetRequest(PowerRequestHandle request, std::uint32_t type) = 0;
  virtual bool PowerClearRequest(PowerRequestHandle request, std::uint32_t type) = 0;
  virtual bool CloseHandle(PowerRequestHandle request) = 0;
  // Returns the previous state, 0 on failure.
  virtual std::uint32_t SetThreadExecutionState(std::uint32_t flags) = 0;

  virtual long LastError() const = 0;
};

}  // namespace haltwise
