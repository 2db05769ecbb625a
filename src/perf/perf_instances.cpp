#include "perf/perf_instances.h"

#include "platform/error.h"

namespace haltwise {

void TPerfInstances::SetObjectName(const std::string& value) {
  objectName_.clear();
  if (loading_ || value.empty()) {
    objectName_ = value;
    return;
  }
  const int position = objectList_.IndexOf(value);
  objectName_ = value;
  if (objectList_.Objects(position).NumInstances < 0) {
    objectName_.clear();
    throw Error("Object \"" + value + "\" has no instances");
  }
}

}  // namespace haltwise
