#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/power_actions.h"

namespace haltwise {

// The warnings before a time watch acts: one 5 minutes ahead, one 1 minute
// ahead, each given once.
class AdvanceWarnings {
 public:
  static constexpr std::array<int, 2> kMinutesAhead{5, 1};

  // The watch was armed (or snoozed) with `msLeft` until its action. A
  // warning whose moment already lies behind is never given: a 3-minute
  // count-down gets only the 1-minute warning.
  void Arm(std::int64_t msLeft);
  void Clear() { pending_.fill(false); }

  // The warning to give at this check, as the whole minutes left, rounded
  // up. A check that comes late (the machine was busy or asleep) gives only
  // the nearest of the warnings it passed, and none once the action is due.
  std::optional<int> Take(std::int64_t msLeft);

 private:
  std::array<bool, kMinutesAhead.size()> pending_{};
};

// "Haltwise will shut down the computer in 5 minutes." for the action the
// toggles choose; none when no action is chosen.
std::optional<std::string> AdvanceWarningText(const ActionToggles& toggles, int minutes);

}  // namespace haltwise
