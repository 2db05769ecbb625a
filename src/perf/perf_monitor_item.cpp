#include "perf/perf_monitor_item.h"

#include <charconv>
#include <unordered_map>

#include "perf/perf_counter_item.h"
#include "perf/perf_errors.h"
#include "perf/perf_monitor.h"
#include "platform/text.h"

namespace haltwise {
namespace {

// Records are told apart by instance name and key, both ignoring case.
std::string RecordKey(const std::string& instanceName, const std::string& key) {
  std::string result = UpperCaseAscii(instanceName);
  result += '\0';
  result += UpperCaseAscii(key);
  return result;
}

// The numbers of a key as KeyOfInstance writes it ("1234;5678").
std::optional<std::vector<std::int64_t>> KeyValues(const std::string& key) {
  std::vector<std::int64_t> values;
  if (key.empty()) return values;
  const char* at = key.data();
  const char* const end = key.data() + key.size();
  while (true) {
    std::int64_t value = 0;
    const auto [next, error] = std::from_chars(at, end, value);
    if (error != std::errc() || (next != end && *next != ';')) return std::nullopt;
    values.push_back(value);
    if (next == end) return values;
    at = next + 1;
  }
}

}  // namespace

TPerfMonitorItem::TPerfMonitorItem(TPerfMonitor& monitor) : monitor_(monitor) {}

TPerfMonitorItem::~TPerfMonitorItem() {
  FreeKeyItems();
  if (counterItem_ != nullptr) monitor_.Filter().Items().Delete(*counterItem_);
}

bool TPerfMonitorItem::Loading() const { return monitor_.Loading(); }

void TPerfMonitorItem::EnsureCounterItem() {
  if (counterItem_ != nullptr) return;
  counterItem_ = &monitor_.Filter().Items().Add();
  counterItem_->SetObjectName(objectName_);
  counterItem_->SetCounterName(counterName_);
}

TPerfCounterItem& TPerfMonitorItem::CounterItem() {
  EnsureCounterItem();
  return *counterItem_;
}

std::string TPerfMonitorItem::ObjectName() {
  if (Loading()) return objectName_;
  return CounterItem().ObjectName();
}

void TPerfMonitorItem::SetObjectName(const std::string& value) {
  objectName_ = value;
  if (!Loading()) CounterItem().SetObjectName(value);
}

std::string TPerfMonitorItem::CounterName() {
  if (Loading()) return counterName_;
  return CounterItem().CounterName();
}

void TPerfMonitorItem::SetCounterName(const std::string& value) {
  counterName_ = value;
  if (!Loading()) CounterItem().SetCounterName(value);
}

void TPerfMonitorItem::SetIndexes(std::int32_t objectIndex, std::int32_t counterIndex) {
  TPerfCounterItem& counter = CounterItem();
  counter.SetIndexes(objectIndex, counterIndex);
  objectName_ = counter.ObjectName();
  counterName_ = counter.CounterName();
}

std::string TPerfMonitorItem::ObjectKey() {
  if (Loading()) return objectKey_;
  BuildKeyItems();
  std::string names;
  for (const TPerfCounterItem* item : *keyItems_) {
    if (!names.empty()) names += ';';
    names += item->CounterName();
  }
  return names;
}

void TPerfMonitorItem::SetObjectKey(const std::string& value) {
  if (value == objectKey_) return;
  objectKey_ = value;
  if (Loading()) return;
  try {
    FreeKeyItems();
    BuildKeyItems();
  } catch (const Error&) {
    SetObjectKey("");
    throw;
  }
}

// A key item whose name fails is removed again, and so is the partly built
// list, so that the next attempt starts afresh.
void TPerfMonitorItem::BuildKeyItems() {
  if (keyItems_) return;
  keyItems_ = std::make_unique<std::vector<TPerfCounterItem*>>();
  TPerfCounterItems& filterItems = monitor_.Filter().Items();
  std::size_t start = 0;
  while (start <= objectKey_.size()) {
    std::size_t end = objectKey_.find(';', start);
    if (end == std::string::npos) end = objectKey_.size();
    const std::string piece = objectKey_.substr(start, end - start);
    start = end + 1;
    if (piece.empty()) continue;
    TPerfCounterItem& item = filterItems.Add();
    try {
      item.SetObjectName(ObjectName());
      item.SetCounterName(piece);
    } catch (const Error&) {
      filterItems.Delete(item);
      FreeKeyItems();
      throw;
    }
    keyItems_->push_back(&item);
  }
}

void TPerfMonitorItem::FreeKeyItems() {
  if (!keyItems_) return;
  for (TPerfCounterItem* item : *keyItems_) monitor_.Filter().Items().Delete(*item);
  keyItems_.reset();
}

void TPerfMonitorItem::Assign(const TCollectionItem& source) {
  const auto* item = dynamic_cast<const TPerfMonitorItem*>(&source);
  if (item == nullptr) throw Error("Incompatible types");
  SetObjectName(item->CurrentObjectName());
  SetCounterName(item->CurrentCounterName());
}

std::string TPerfMonitorItem::CurrentObjectName() const {
  return Loading() || counterItem_ == nullptr ? objectName_ : counterItem_->ObjectName();
}

std::string TPerfMonitorItem::CurrentCounterName() const {
  return Loading() || counterItem_ == nullptr ? counterName_ : counterItem_->CounterName();
}

bool TPerfMonitorItem::HasInstances() { return CounterItem().HasInstances(); }

std::int32_t TPerfMonitorItem::InstanceCount() { return CounterItem().InstanceCount(); }

perf::PerfCounterDefinition TPerfMonitorItem::CounterDefinition() {
  return CounterItem().CounterDefinition();
}

std::string TPerfMonitorItem::CounterUnits() {
  return haltwise::CounterUnits(CounterDefinition().CounterType);
}

const TPerfMonitorCounterValue& TPerfMonitorItem::ValueAt(std::int32_t index) {
  if (!HasInstances()) {
    if (!singleRecord_) throw ListIndexError(index);
    return *singleRecord_;
  }
  if (index < 0 || index >= RecordCount()) throw ListIndexError(index);
  return *records_[static_cast<std::size_t>(index)];
}

const TPerfMonitorCounterValue* TPerfMonitorItem::FindRecord(const std::string& instanceName,
                                                             const std::string& key) const {
  if (IsChosen(instanceName, key) && chosen_->record != nullptr) return chosen_->record;
  return RecordOf(instanceName, key);
}

TPerfMonitorCounterValue* TPerfMonitorItem::RecordOf(const std::string& instanceName,
                                                     const std::string& key) const {
  for (const auto& record : records_) {
    if (SameTextAscii(record->InstanceName, instanceName) && SameTextAscii(record->Key, key)) {
      return record.get();
    }
  }
  return nullptr;
}

double TPerfMonitorItem::CalcValue(const TPerfMonitorCounterValue& record) const {
  return haltwise::CalcValue(record, monitor_.Context().GetClock().UtcFileTime());
}

void TPerfMonitorItem::Sample() {
  TPerfCounterItem& counter = CounterItem();
  sampledGeneration_ = monitor_.Filter().PerfData().Generation();
  if (counter.HasInstances()) {
    if (chosen_) {
      SampleChosenInstance();
    } else {
      SampleInstances();
    }
    return;
  }
  // A new record is sampled twice from the same snapshot, so its deltas
  // start at 0.
  if (!singleRecord_) {
    singleRecord_ = std::make_unique<TPerfMonitorCounterValue>();
    singleRecord_->HasBase = counter.HasBase();
    TakeSample(*singleRecord_, counter, monitor_.Times(), true, std::nullopt);
  }
  TakeSample(*singleRecord_, counter, monitor_.Times(), false, std::nullopt);
}

bool TPerfMonitorItem::IsChosen(const std::string& instanceName, const std::string& key) const {
  return chosen_ && SameTextAscii(chosen_->name, instanceName) && SameTextAscii(chosen_->key, key);
}

void TPerfMonitorItem::SampleOnly(const std::string& instanceName, const std::string& key) {
  if (IsChosen(instanceName, key)) return;
  chosen_ = ChosenInstance{instanceName, key, KeyValues(key), RecordOf(instanceName, key)};
}

// The key counters' values first, which are cheap to read, then the name.
bool TPerfMonitorItem::IsChosenInstance(std::int32_t index) {
  const std::vector<std::int64_t>& keyValues = *chosen_->keyValues;
  if (keyValues.size() != keyItems_->size()) return false;
  for (std::size_t k = 0; k < keyValues.size(); ++k) {
    if (static_cast<std::int64_t>((*keyItems_)[k]->InstanceRawValue(index)) != keyValues[k]) {
      return false;
    }
  }
  return SameTextAscii(counterItem_->InstanceNameAt(index), chosen_->name);
}

// Looked for at its last place first: only when instances before it came or
// went is the snapshot searched.
void TPerfMonitorItem::SampleChosenInstance() {
  TPerfCounterItem& counter = *counterItem_;
  BuildKeyItems();
  ChosenInstance& chosen = *chosen_;
  std::optional<std::int32_t> found;
  if (chosen.keyValues) {
    const std::int32_t count = counter.InstanceCount();
    if (chosen.lastIndex < count && IsChosenInstance(chosen.lastIndex)) {
      found = chosen.lastIndex;
    } else {
      for (std::int32_t i = 0; i < count && !found; ++i) {
        if (IsChosenInstance(i)) found = i;
      }
    }
  }
  if (!found) {
    std::erase_if(records_, [&](const auto& record) { return record.get() == chosen.record; });
    chosen.record = nullptr;
    return;
  }
  chosen.lastIndex = *found;
  const bool isNew = chosen.record == nullptr;
  if (isNew) {
    auto fresh = std::make_unique<TPerfMonitorCounterValue>();
    fresh->InstanceName = counter.InstanceNameAt(*found);
    fresh->Key = KeyOfInstance(*found);
    fresh->HasBase = counter.HasBase();
    chosen.record = fresh.get();
    records_.push_back(std::move(fresh));
  }
  TakeSample(*chosen.record, counter, monitor_.Times(), isNew, *found);
}

std::string TPerfMonitorItem::KeyOfInstance(std::int32_t index) {
  std::string key;
  for (std::size_t k = 0; k < keyItems_->size(); ++k) {
    if (k > 0) key += ';';
    key += std::to_string(static_cast<std::int64_t>((*keyItems_)[k]->InstanceRawValue(index)));
  }
  return key;
}

TPerfMonitorCounterValue* TPerfMonitorItem::RecordInPlace(std::int32_t index,
                                                          const std::string& name,
                                                          const std::string& key) const {
  if (static_cast<std::size_t>(index) >= records_.size()) return nullptr;
  TPerfMonitorCounterValue& record = *records_[static_cast<std::size_t>(index)];
  return !record.Seen && record.InstanceName == name && record.Key == key ? &record : nullptr;
}

// Instances mostly keep their places from one second to the next: one found
// at its record's place needs no lookup, and the index of the records by
// name and key is built only once an instance has moved, come or gone.
void TPerfMonitorItem::SampleInstances() {
  TPerfCounterItem& counter = *counterItem_;
  BuildKeyItems();
  for (const auto& record : records_) record->Seen = false;
  std::unordered_map<std::string, TPerfMonitorCounterValue*> byNameAndKey;
  bool indexed = false;
  const std::int32_t count = counter.InstanceCount();
  for (std::int32_t i = 0; i < count; ++i) {
    std::string key = KeyOfInstance(i);
    std::string name = counter.InstanceNameAt(i);
    TPerfMonitorCounterValue* record = RecordInPlace(i, name, key);
    bool isNew = false;
    if (record == nullptr) {
      if (!indexed) {
        for (const auto& each : records_) {
          byNameAndKey.emplace(RecordKey(each->InstanceName, each->Key), each.get());
        }
        indexed = true;
      }
      auto [slot, created] = byNameAndKey.try_emplace(RecordKey(name, key), nullptr);
      if (created) {
        auto fresh = std::make_unique<TPerfMonitorCounterValue>();
        fresh->InstanceName = std::move(name);
        fresh->Key = std::move(key);
        fresh->HasBase = counter.HasBase();
        slot->second = fresh.get();
        records_.push_back(std::move(fresh));
      }
      record = slot->second;
      isNew = created;
    }
    TakeSample(*record, counter, monitor_.Times(), isNew, i);
    record->Seen = true;
  }
  std::erase_if(records_, [](const auto& record) { return !record->Seen; });
}

}  // namespace haltwise
