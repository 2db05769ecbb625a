#include "app/keep_awake.h"

#include "platform/win_constants.h"

namespace haltwise {

void KeepAwake::Hold(const std::string& reason) {
  if (Held()) return;
  request_ = power_.PowerCreateRequest(reason);
  if (request_ != kInvalidPowerRequest) {
    if (power_.PowerSetRequest(request_, win::kPowerRequestSystemRequired)) {
      means_ = Means::PowerRequest;
      return;
    }
    power_.CloseHandle(request_);
    request_ = kInvalidPowerRequest;
  }
  // Windows before 7, or a request refused: the older call does the same
  // for this thread.
  if (power_.SetThreadExecutionState(win::kEsContinuous | win::kEsSystemRequired) != 0) {
    means_ = Means::ExecutionState;
  }
}

void KeepAwake::Release() {
  switch (means_) {
    case Means::PowerRequest:
      power_.PowerClearRequest(request_, win::kPowerRequestSystemRequired);
      power_.CloseHandle(request_);
      request_ = kInvalidPowerRequest;
      break;
    case Means::ExecutionState:
      power_.SetThreadExecutionState(win::kEsContinuous);
      break;
    case Means::None:
      break;
  }
  means_ = Means::None;
}

}  // namespace haltwise
