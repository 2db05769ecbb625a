#pragma once
#include <vector>

#include "platform/fake/fake_seam.h"
#include "platform/power.h"

namespace haltwise::fake {

// Records power calls instead of carrying them out. The capabilities are a
// desktop's with classic sleep by default; power requests behave as
// Windows' do (a count per type, handles that must be closed).
class FakePower : public Power, public FakeSeam {
 public:
  PowerCapabilities capabilities{true, true, false};
  // Where Windows lacks the power-request calls (before Windows 7).
  bool hasPowerRequests = true;

  bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
  bool SetSystemPowerState(bool suspend, bool force) override;
  bool GetPwrCapabilities(PowerCapabilities* result) override;
  bool BroadcastSystemCommand(std::uint32_t command, std::intptr_t argument) override;
  PowerRequestHandle PowerCreateRequest(const std::string& reason) override;
  bool PowerSetRequest(PowerRequestHandle request, std::uint32_t type) override;
  bool PowerClearRequest(PowerRequestHandle request, std::uint32_t type) override;
  bool CloseHandle(PowerRequestHandle request) override;
  std::uint32_t SetThreadExecutionState(std::uint32_t flags) override;
  long LastError() const override { return lastError_; }

  // The calls that carry an action out, without the power requests that
  // kept the machine awake meanwhile.
  std::vector<Call> ActionCalls() const;
  // Requests set and not cleared, over every open request, as
  // `powercfg /requests` would count them; their handles still open.
  int ActiveRequests() const;
  int OpenRequests() const { return static_cast<int>(requests_.size()); }
  // The thread's execution state as SetThreadExecutionState left it.
  std::uint32_t executionState = 0;

 private:
  struct Request {
    PowerRequestHandle handle;
    std::string reason;
    int systemRequired = 0;
  };
  Request* Find(PowerRequestHandle handle);
  bool Fail(long error) {
    lastError_ = error;
    return false;
  }

  std::vector<Request> requests_;
  PowerRequestHandle nextHandle_ = 0x300;
  long lastError_ = 0;
};

}  // namespace haltwise::fake
