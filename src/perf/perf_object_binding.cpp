#include "perf/perf_object_binding.h"

namespace haltwise {

void PerfObjectBinding::SetLocaleID(const std::string& value) {
  const bool rename = !loading_ && !objectName_.empty();
  const std::string index = rename ? titles_.IndexByName(objectName_) : std::string();
  objectList_.SetLocaleID(value);
  titles_.SetLocaleID(value);
  if (rename) SetObjectName(titles_.NameByIndex(index));
}

}  // namespace haltwise
