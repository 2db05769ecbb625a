#include "perf/perf_counters.h"

#include "platform/error.h"

namespace haltwise {

void TPerfCounters::SetObjectName(const std::string& value) {
  objectName_.clear();
  if (!loading_ && !value.empty()) objectList_.IndexOf(value);
  objectName_ = value;
}

int TPerfCounters::Count() { return static_cast<int>(BoundObjectType().NumCounters); }

perf::PerfCounterDefinition TPerfCounters::Counters(int index) {
  const perf::PerfObjectType object = BoundObjectType();
  if (index < 0 || static_cast<std::uint32_t>(index) >= object.NumCounters) {
    throw Error("Index out of bounds");
  }
  const PerfBlock block = ObjectList().Snapshot();
  std::size_t offset = block.FirstCounterDef(object);
  for (int i = 0; i < index; ++i) offset = block.NextCounterDef(block.CounterDefAt(offset));
  return block.CounterDefAt(offset);
}

std::string TPerfCounters::Names(int index) {
  return titles_.NameByIndex(std::to_string(Counters(index).CounterNameTitleIndex));
}

std::string TPerfCounters::HelpTexts(int index) {
  if (helps_ == nullptr) throw Error("No help information : object \"" + Name + "\"");
  return helps_->NameByIndex(std::to_string(Counters(index).CounterHelpTitleIndex));
}

}  // namespace haltwise
