#include "platform/fake/fake_power.h"

#include <algorithm>

#include "platform/win_constants.h"

namespace haltwise::fake {

bool FakePower::ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) {
  if (auto error = Enter("ExitWindowsEx",
                         "flags=" + std::to_string(flags) + " reason=" + std::to_string(reason))) {
    return Fail(*error);
  }
  return true;
}

bool FakePower::SetSystemPowerState(bool suspend, bool force) {
  if (auto error = Enter("SetSystemPowerState", std::string("suspend=") + (suspend ? "1" : "0") +
                                                    " force=" + (force ? "1" : "0"))) {
    return Fail(*error);
  }
  return true;
}

bool FakePower::GetPwrCapabilities(PowerCapabilities* result) {
  if (auto error = Enter("GetPwrCapabilities", "")) return Fail(*error);
  *result = capabilities;
  return true;
}

bool FakePower::BroadcastSystemCommand(std::uint32_t command, std::intptr_t argument) {
  if (auto error = Enter("BroadcastSystemCommand", "command=" + std::to_string(command) +
                                                       " argument=" + std::to_string(argument))) {
    return Fail(*error);
  }
  return true;
}

FakePower::Request* FakePower::Find(PowerRequestHandle handle) {
  const auto it = std::find_if(requests_.begin(), requests_.end(),
                               [&](const Request& r) { return r.handle == handle; });
  return it == requests_.end() ? nullptr : &*it;
}

PowerRequestHandle FakePower::PowerCreateRequest(const std::string& reason) {
  if (auto error = Enter("PowerCreateRequest", reason)) {
    Fail(*error);
    return kInvalidPowerRequest;
  }
  if (!hasPowerRequests) {
    Fail(win::kErrorProcNotFound);
    return kInvalidPowerRequest;
  }
  nextHandle_ += 4;
  requests_.push_back({nextHandle_, reason});
  return nextHandle_;
}

bool FakePower::PowerSetRequest(PowerRequestHandle request, std::uint32_t type) {
  if (auto error =
          Enter("PowerSetRequest", std::to_string(request) + " type=" + std::to_string(type))) {
    return Fail(*error);
  }
  Request* found = Find(request);
  if (found == nullptr) return Fail(win::kErrorInvalidHandle);
  if (type == win::kPowerRequestSystemRequired) ++found->systemRequired;
  return true;
}

bool FakePower::PowerClearRequest(PowerRequestHandle request, std::uint32_t type) {
  if (auto error =
          Enter("PowerClearRequest", std::to_string(request) + " type=" + std::to_string(type))) {
    return Fail(*error);
  }
  Request* found = Find(request);
  if (found == nullptr) return Fail(win::kErrorInvalidHandle);
  // Clearing a request that is not set fails, as on Windows.
  if (type != win::kPowerRequestSystemRequired || found->systemRequired == 0) {
    return Fail(win::kErrorInvalidParameter);
  }
  --found->systemRequired;
  return true;
}

// Closing a request ends whatever it still holds.
bool FakePower::CloseHandle(PowerRequestHandle request) {
  if (auto error = Enter("CloseHandle", std::to_string(request))) return Fail(*error);
  const auto it = std::find_if(requests_.begin(), requests_.end(),
                               [&](const Request& r) { return r.handle == request; });
  if (it == requests_.end()) return Fail(win::kErrorInvalidHandle);
  requests_.erase(it);
  return true;
}

std::uint32_t FakePower::SetThreadExecutionState(std::uint32_t flags) {
  if (auto error = Enter("SetThreadExecutionState", std::to_string(flags))) {
    Fail(*error);
    return 0;
  }
  const std::uint32_t previous = executionState | win::kEsContinuous;
  // Without ES_CONTINUOUS the flags only reset the idle timers once.
  if ((flags & win::kEsContinuous) != 0) executionState = flags & ~win::kEsContinuous;
  return previous;
}

std::vector<Call> FakePower::ActionCalls() const {
  std::vector<Call> calls;
  for (const Call& call : Calls()) {
    if (call.name == "ExitWindowsEx" || call.name == "SetSystemPowerState" ||
        call.name == "BroadcastSystemCommand") {
      calls.push_back(call);
    }
  }
  return calls;
}

int FakePower::ActiveRequests() const {
  int active = 0;
  for (const Request& r : requests_) active += r.systemRequired;
  return active;
}

}  // namespace haltwise::fake
