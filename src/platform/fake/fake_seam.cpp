#include "platform/fake/fake_seam.h"

#include <algorithm>

namespace haltwise::fake {

void FakeSeam::FailCall(const std::string& name, long error, int times,
                        const std::string& argumentsContain) {
  faults_.push_back({name, error, times, argumentsContain});
}

int FakeSeam::CountCalls(const std::string& name) const {
  return static_cast<int>(
      std::count_if(calls_.begin(), calls_.end(), [&](const Call& c) { return c.name == name; }));
}

std::optional<long> FakeSeam::Enter(const std::string& name, const std::string& arguments) {
  calls_.push_back({name, arguments});
  for (Fault& fault : faults_) {
    if (fault.name != name || fault.remaining == 0) continue;
    if (!fault.argumentsContain.empty() &&
        arguments.find(fault.argumentsContain) == std::string::npos) {
      continue;
    }
    if (fault.remaining > 0) --fault.remaining;
    return fault.error;
  }
  return std::nullopt;
}

}  // namespace haltwise::fake
