#include "perf/perf_counter_item.h"

#include "perf/perf_data.h"
#include "perf/perf_errors.h"
#include "perf/perf_filter.h"
#include "platform/text.h"

namespace haltwise {

using namespace perf;

namespace {

bool ReadsBase(std::uint32_t counterType) {
  const std::uint32_t subtype = counterType & kSubtypeMask;
  return subtype == kCounterFraction || subtype == kCounterPrecision ||
         (counterType & kMultiCounter) != 0;
}

}  // namespace

TPerfCounterItem::TPerfCounterItem(TPerfFilter& filter) : filter_(filter) {}

TPerfCounterItem::~TPerfCounterItem() {
  if (filter_.OnItemDestroy) filter_.OnItemDestroy(filter_, *this);
}

void TPerfCounterItem::SetObjectName(const std::string& value) {
  if (filter_.Loading()) {
    objectName_ = value;
    return;
  }
  if (SameTextAscii(value, objectName_)) return;
  byIndex_ = false;
  objectIndex_ = kNotLookedUp;
  SetCounterName("");
  ClearLocation();
  objectName_ = value;
  if (!value.empty() && ObjectIndex() < 0) {
    objectName_.clear();
    throw Error("Invalid performance object name");
  }
}

void TPerfCounterItem::SetCounterName(const std::string& value) {
  if (filter_.Loading()) {
    counterName_ = value;
    return;
  }
  if (SameTextAscii(value, counterName_)) return;
  byIndex_ = false;
  counterName_ = value;
  counterIndex_ = kNotLookedUp;
  ClearLocation();
  if (!value.empty() && !Locate()) throw Error("Invalid performance counter name : " + value);
}

void TPerfCounterItem::SetIndexes(std::int32_t objectIndex, std::int32_t counterIndex) {
  ClearLocation();
  objectIndex_ = objectIndex;
  counterIndex_ = counterIndex;
  byIndex_ = true;
  IndexesToNames();
  if (!Locate()) {
    throw Error("Invalid performance counter name : " +
                (counterName_.empty() ? std::to_string(counterIndex) : counterName_));
  }
}

std::int32_t TPerfCounterItem::LookUpIndex(const std::string& name) {
  if (name.empty()) return -1;
  return StrToInt(filter_.Titles().IndexByName(name));
}

std::int32_t TPerfCounterItem::ObjectIndex() {
  if (objectIndex_ < 0) objectIndex_ = LookUpIndex(objectName_);
  return objectIndex_;
}

std::int32_t TPerfCounterItem::CounterIndex() {
  if (counterIndex_ < 0) counterIndex_ = LookUpIndex(counterName_);
  return counterIndex_;
}

void TPerfCounterItem::NamesToIndexes() {
  if (byIndex_) return;
  objectIndex_ = LookUpIndex(objectName_);
  counterIndex_ = LookUpIndex(counterName_);
}

void TPerfCounterItem::IndexesToNames() {
  auto title = [&](std::int32_t index) {
    return index < 0 ? std::string() : filter_.Titles().NameByIndex(std::to_string(index));
  };
  objectName_ = title(objectIndex_);
  counterName_ = title(counterIndex_);
}

void TPerfCounterItem::Assign(const TCollectionItem& source) {
  const auto* item = dynamic_cast<const TPerfCounterItem*>(&source);
  if (item == nullptr) throw Error("Incompatible types");
  SetObjectName(item->ObjectName());
}

TPerfData& TPerfCounterItem::Data() { return filter_.PerfData(); }

void TPerfCounterItem::ClearLocation() { location_ = Location{}; }

void TPerfCounterItem::DropStaleLocation() {
  if (location_.dataBlock && *location_.dataBlock != Data().Generation()) ClearLocation();
}

bool TPerfCounterItem::Locate() {
  const std::int32_t objectIndex = ObjectIndex();
  const std::int32_t counterIndex = CounterIndex();
  if (objectIndex < 0 || counterIndex < 0) return false;

  DropStaleLocation();
  TPerfData& data = Data();
  if (!location_.dataBlock) location_.dataBlock = data.Generation();
  const PerfBlock block = data.Block();

  if (!location_.objectType) {
    const std::uint32_t count = block.NumObjectTypes();
    for (std::uint32_t i = 0; i < count; ++i) {
      const PerfObjectType object = data.ObjectAtPosition(i);
      if (object.ObjectNameTitleIndex == static_cast<std::uint32_t>(objectIndex)) {
        location_.objectType = object;
        break;
      }
    }
    if (!location_.objectType) {
      // An object named since the last read was not asked for: ask again
      // now, with it. One the query named is not on this machine.
      if (data.AskedFor(static_cast<std::uint32_t>(objectIndex))) return false;
      data.ReadNow();
      return data.AskedFor(static_cast<std::uint32_t>(objectIndex)) && Locate();
    }
  }
  const PerfObjectType& object = *location_.objectType;

  if (!location_.counterDef) {
    std::size_t offset = block.FirstCounterDef(object);
    for (std::uint32_t i = 0; i < object.NumCounters; ++i) {
      const PerfCounterDefinition definition = block.CounterDefAt(offset);
      if (definition.CounterNameTitleIndex == static_cast<std::uint32_t>(counterIndex)) {
        location_.counterDef = definition;
        // Fractions, multi-timers and precision timers read a base: the
        // next definition, when it is one.
        location_.baseDef.reset();
        if (ReadsBase(definition.CounterType) && i + 1 < object.NumCounters) {
          const PerfCounterDefinition next = block.CounterDefAt(block.NextCounterDef(definition));
          if ((next.CounterType & kSubtypeMask) == kCounterBase) location_.baseDef = next;
        }
        break;
      }
      if (i + 1 < object.NumCounters) offset = block.NextCounterDef(definition);
    }
    if (!location_.counterDef) return false;
  }

  if (object.NumInstances > 0) {
    location_.firstInstance = block.FirstInstanceDef(object);
    location_.counterBlock = block.InstanceCounterBlock(data.InstanceAt(object, 0));
  } else {
    location_.firstInstance.reset();
    location_.counterBlock = block.ObjectCounterBlock(object);
  }
  return true;
}

bool TPerfCounterItem::HasInstances() {
  DropStaleLocation();
  if (!location_.objectType) Locate();
  if (!location_.objectType) throw Error("Invalid performance object name");
  return location_.objectType->NumInstances != kPerfNoInstances;
}

std::int32_t TPerfCounterItem::InstanceCount() {
  if (!HasInstances()) throw Error("Performance object has no instances");
  return location_.objectType->NumInstances;
}

PerfCounterDefinition TPerfCounterItem::CounterDefinition() {
  Locate();
  if (!location_.counterDef) throw Error("Invalid performance counter name");
  return *location_.counterDef;
}

bool TPerfCounterItem::HasBase() {
  DropStaleLocation();
  return location_.baseDef.has_value();
}

std::optional<PerfCounterDefinition> TPerfCounterItem::BaseDefinition() {
  DropStaleLocation();
  return location_.baseDef;
}

PerfObjectType TPerfCounterItem::LocatedObject() {
  HasInstances();  // locates the object, or fails
  return *location_.objectType;
}

void TPerfCounterItem::CheckInstanceIndex(std::int32_t index) {
  if (!HasInstances()) {
    throw Error("Performance object \"" + objectName_ + "\" has no instances");
  }
  const std::int32_t count = location_.objectType->NumInstances;
  if (index < 0 || index >= count) {
    throw Error("Index \"" + std::to_string(index) + "\" out of bounds [0.." +
                std::to_string(count) + "]");
  }
}

std::uint64_t TPerfCounterItem::ReadObjectValue(
    const std::optional<PerfCounterDefinition>& definition, const char* missing) {
  DropStaleLocation();
  if (!definition || !location_.counterBlock) throw Error(missing);
  if (HasInstances()) throw Error("Instance not specified");
  PerfBlock::RequireValueSizeClass(*definition);
  return Data().Block().CounterValue(*location_.counterBlock, *definition);
}

std::uint64_t TPerfCounterItem::ReadInstanceValue(
    const std::optional<PerfCounterDefinition>& definition, const char* missing,
    std::int32_t index) {
  DropStaleLocation();
  if (!definition || !location_.counterBlock) throw Error(missing);
  PerfBlock::RequireValueSizeClass(*definition);
  CheckInstanceIndex(index);
  const TPerfData& data = Data();
  const PerfBlock block = data.Block();
  const PerfInstanceDefinition instance =
      data.InstanceAt(*location_.objectType, static_cast<std::uint32_t>(index));
  return block.CounterValue(block.InstanceCounterBlock(instance), *definition);
}

std::uint64_t TPerfCounterItem::RawValue() {
  return ReadObjectValue(location_.counterDef, "Invalid counter block");
}

std::uint64_t TPerfCounterItem::RawBaseValue() {
  return ReadObjectValue(location_.baseDef, "Invalid counter base block");
}

std::uint64_t TPerfCounterItem::InstanceRawValue(std::int32_t index) {
  return ReadInstanceValue(location_.counterDef, "Invalid counter block", index);
}

std::uint64_t TPerfCounterItem::InstanceRawBaseValue(std::int32_t index) {
  return ReadInstanceValue(location_.baseDef, "Invalid counter base block", index);
}

std::string TPerfCounterItem::InstanceNameAt(std::int32_t index) {
  CheckInstanceIndex(index);
  const TPerfData& data = Data();
  return filter_.Context().DecodeInstanceName(data.Block().InstanceDefName(
      data.InstanceAt(*location_.objectType, static_cast<std::uint32_t>(index))));
}

}  // namespace haltwise
