#pragma once
#include <string>

#include "perf/perf_layout.h"
#include "perf/perf_object_binding.h"

namespace haltwise {

// Binds to one named object of the latest shared snapshot that has instances.
class TPerfInstances final : public PerfObjectBinding {
 public:
  explicit TPerfInstances(PerfContext& context) : PerfObjectBinding(context) {}

  // Fails for a name that is not an object of the snapshot, and with
  // "Object "<name>" has no instances" for an object without instances;
  // either leaves the name empty.
  void SetObjectName(const std::string& value) override;
  perf::PerfObjectType BoundObject() { return BoundObjectType(); }
};

}  // namespace haltwise
