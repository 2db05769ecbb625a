#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "perf/perf_collection.h"
#include "perf/perf_counter_value.h"
#include "perf/perf_layout.h"

namespace haltwise {

class TPerfCounterItem;
class TPerfMonitor;

// One monitored counter of a TPerfMonitor: the counter item that locates it,
// optional key counters that tell apart instances sharing a name, and one
// sample record per instance (or one for an object without instances).
class TPerfMonitorItem : public TCollectionItem {
 public:
  explicit TPerfMonitorItem(TPerfMonitor& monitor);
  ~TPerfMonitorItem() override;

  std::string ObjectName();
  void SetObjectName(const std::string& value);
  std::string CounterName();
  void SetCounterName(const std::string& value);
  // Names the counter by its title indexes (see TPerfCounterItem::SetIndexes).
  void SetIndexes(std::int32_t objectIndex, std::int32_t counterIndex);
  // Names of key counters separated by ";", such as "ID Process;ID Thread".
  std::string ObjectKey();
  // A key name the object does not have fails and leaves the key empty.
  void SetObjectKey(const std::string& value);

  // Copies both names of another monitor item.
  void Assign(const TCollectionItem& source) override;

  bool HasInstances();
  std::int32_t InstanceCount();
  perf::PerfCounterDefinition CounterDefinition();
  std::string CounterUnits();

  // The record of position `index`: the single record for an object without
  // instances, whatever the index.
  const TPerfMonitorCounterValue& ValueAt(std::int32_t index);
  int RecordCount() const { return static_cast<int>(records_.size()); }
  // The record of the instance with this name and key (both ignoring case),
  // wherever the latest refresh put it; null when it is gone.
  const TPerfMonitorCounterValue* FindRecord(const std::string& instanceName,
                                             const std::string& key) const;
  // The value shown for one of this item's records, computed now.
  double CalcValue(const TPerfMonitorCounterValue& record) const;

  // Creates the counter item in the monitor's filter if there is none yet.
  void EnsureCounterItem();
  TPerfCounterItem& CounterItem();
  // Samples every instance of the latest snapshot into its record, or only
  // the chosen one (SampleOnly).
  void Sample();
  // From now on only the instance with this name and key (both ignoring
  // case) is sampled: a watch of one thread among thousands then costs
  // about nothing a second. The other records keep their last samples, so
  // that a record chosen later still has its interval; the chosen one is
  // dropped when its instance is gone, as FindRecord then tells.
  void SampleOnly(const std::string& instanceName, const std::string& key);
  // The generation of the snapshot sampled last (TPerfData::Generation); 0
  // before the first sample.
  std::uint64_t SampledGeneration() const { return sampledGeneration_; }

 private:
  bool Loading() const;
  // The names as the getters give them, without creating the counter item.
  std::string CurrentObjectName() const;
  std::string CurrentCounterName() const;
  void BuildKeyItems();
  void FreeKeyItems();
  std::string KeyOfInstance(std::int32_t index);
  // The record at this position when it is still that instance's, unsampled.
  TPerfMonitorCounterValue* RecordInPlace(std::int32_t index, const std::string& name,
                                          const std::string& key) const;
  void SampleInstances();
  void SampleChosenInstance();
  TPerfMonitorCounterValue* RecordOf(const std::string& instanceName, const std::string& key) const;
  bool IsChosenInstance(std::int32_t index);
  // Whether SampleOnly named this instance.
  bool IsChosen(const std::string& instanceName, const std::string& key) const;

  TPerfMonitor& monitor_;
  std::string objectKey_;
  std::unique_ptr<std::vector<TPerfCounterItem*>> keyItems_;  // none until built
  std::vector<std::unique_ptr<TPerfMonitorCounterValue>> records_;
  std::unique_ptr<TPerfMonitorCounterValue> singleRecord_;
  std::string counterName_;
  std::string objectName_;
  TPerfCounterItem* counterItem_ = nullptr;  // owned by the filter's items
  std::uint64_t sampledGeneration_ = 0;

  // The one instance sampled since SampleOnly.
  struct ChosenInstance {
    std::string name;
    std::string key;
    // The key counters' values; none when the key is not a list of numbers,
    // which no instance then has.
    std::optional<std::vector<std::int64_t>> keyValues;
    TPerfMonitorCounterValue* record = nullptr;  // one of records_, null until sampled
    std::int32_t lastIndex = 0;                  // where it was found last
  };
  std::optional<ChosenInstance> chosen_;
};

}  // namespace haltwise
