#pragma once
#include <string>

#include "perf/perf_layout.h"
#include "perf/perf_object_binding.h"

namespace haltwise {

// Lists the counter definitions of one named object of the latest shared
// snapshot, base counters included, in definition order. The object is looked
// up by name at every call.
class TPerfCounters final : public PerfObjectBinding {
 public:
  explicit TPerfCounters(PerfContext& context) : PerfObjectBinding(context) {}

  // The component's name, shown in the message of a missing help link.
  std::string Name;

  // A name that is not an object of the snapshot fails and leaves it empty.
  void SetObjectName(const std::string& value) override;
  TPerfHelps* Helps() const { return helps_; }
  void SetHelps(TPerfHelps* helps) { helps_ = helps; }

  int Count();
  std::string Names(int index);
  std::string HelpTexts(int index);
  perf::PerfCounterDefinition Counters(int index);

 private:
  TPerfHelps* helps_ = nullptr;
};

}  // namespace haltwise
