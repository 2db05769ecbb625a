#pragma once
#include <optional>
#include <string>
#include <vector>

namespace haltwise::fake {

// One recorded call of a fake: its Windows name and its arguments as text.
struct Call {
  std::string name;
  std::string arguments;
};

// What every fake shares: it records each call, and can be told to make a
// call fail with a chosen error code (fault injection), always or a number
// of times, optionally only when its arguments contain a given text.
class FakeSeam {
 public:
  void FailCall(const std::string& name, long error, int times = -1,
                const std::string& argumentsContain = "");
  void ClearFaults() { faults_.clear(); }

  const std::vector<Call>& Calls() const { return calls_; }
  int CountCalls(const std::string& name) const;
  void ClearCalls() { calls_.clear(); }

 protected:
  // Records the call; returns the error to fail it with, if any.
  std::optional<long> Enter(const std::string& name, const std::string& arguments);

 private:
  struct Fault {
    std::string name;
    long error;
    int remaining;
    std::string argumentsContain;
  };
  std::vector<Call> calls_;
  std::vector<Fault> faults_;
};

}  // namespace haltwise::fake
