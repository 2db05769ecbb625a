#include "app/advance_warnings.h"

namespace haltwise {

namespace {
constexpr std::int64_t kMsPerMinute = 60000;
}  // namespace

void AdvanceWarnings::Arm(std::int64_t msLeft) {
  for (std::size_t i = 0; i < kMinutesAhead.size(); ++i) {
    pending_[i] = msLeft >= kMinutesAhead[i] * kMsPerMinute;
  }
}

std::optional<int> AdvanceWarnings::Take(std::int64_t msLeft) {
  if (msLeft <= 0) {
    Clear();
    return std::nullopt;
  }
  bool passed = false;
  for (std::size_t i = 0; i < kMinutesAhead.size(); ++i) {
    if (pending_[i] && msLeft <= kMinutesAhead[i] * kMsPerMinute) {
      pending_[i] = false;
      passed = true;
    }
  }
  if (!passed) return std::nullopt;
  return static_cast<int>((msLeft + kMsPerMinute - 1) / kMsPerMinute);
}

// Named as the action toggles are, in the order the action is chosen.
std::optional<std::string> AdvanceWarningText(const ActionToggles& toggles, int minutes) {
  const char* what = nullptr;
  if (toggles.logOff) {
    what = "log you off";
  } else if (toggles.reboot) {
    what = "reboot the computer";
  } else if (toggles.shutdown) {
    what = "shut down the computer";
  } else if (toggles.suspend) {
    what = "suspend the computer";
  } else if (toggles.hibernate) {
    what = "hibernate the computer";
  } else {
    return std::nullopt;
  }
  return std::string("Haltwise will ") + what + " in " + std::to_string(minutes) +
         (minutes == 1 ? " minute." : " minutes.");
}

}  // namespace haltwise
