#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "perf/perf_collection.h"
#include "perf/perf_layout.h"

namespace haltwise {

class TPerfData;
class TPerfFilter;

// One named counter of a named object, held by a TPerfFilter, and the place
// where it was last found in the shared snapshot. Title indexes are looked up
// from the names when first needed; the location is cleared before each
// relocation, and is treated as cleared once another read replaced the
// snapshot it points into.
class TPerfCounterItem : public TCollectionItem {
 public:
  // Title index fields: not yet looked up, and no such title.
  static constexpr std::int32_t kNotLookedUp = -2;

  explicit TPerfCounterItem(TPerfFilter& filter);
  ~TPerfCounterItem() override;

  const std::string& ObjectName() const { return objectName_; }
  // Fails with "Invalid performance object name" (and empties the name) for
  // a name without title; a new object clears the counter name.
  void SetObjectName(const std::string& value);
  const std::string& CounterName() const { return counterName_; }
  // Fails with "Invalid performance counter name : <name>" when the counter
  // cannot be found in the snapshot; the name stays set.
  void SetCounterName(const std::string& value);

  // Names the counter by its title indexes, which are the same in every
  // language; the names become the titles of the filter's language. Fails
  // like SetCounterName when the counter is not in the snapshot.
  void SetIndexes(std::int32_t objectIndex, std::int32_t counterIndex);

  std::int32_t ObjectIndex();
  std::int32_t CounterIndex();
  // The object's title index as far as it is looked up already; negative
  // when not (yet) known.
  std::int32_t KnownObjectIndex() const { return objectIndex_; }
  void NamesToIndexes();
  // Names in the current language of the filter's titles, unvalidated.
  void IndexesToNames();

  // Copies the object name of another counter item.
  void Assign(const TCollectionItem& source) override;

  // Finds the object and counter in the shared snapshot; false when either
  // has no title or is not there.
  bool Locate();
  void ClearLocation();
  bool HasInstances();
  std::int32_t InstanceCount();
  perf::PerfCounterDefinition CounterDefinition();
  bool HasBase();
  std::optional<perf::PerfCounterDefinition> BaseDefinition();
  // The object as the current snapshot has it (its own clock included).
  perf::PerfObjectType LocatedObject();
  std::uint64_t RawValue();
  std::uint64_t RawBaseValue();
  std::uint64_t InstanceRawValue(std::int32_t index);
  std::uint64_t InstanceRawBaseValue(std::int32_t index);
  std::string InstanceNameAt(std::int32_t index);
  void CheckInstanceIndex(std::int32_t index);

 private:
  struct Location {
    std::optional<std::uint64_t> dataBlock;  // generation of the snapshot
    std::optional<perf::PerfObjectType> objectType;
    std::optional<perf::PerfCounterDefinition> counterDef;
    std::optional<perf::PerfCounterDefinition> baseDef;
    std::optional<std::size_t> counterBlock;
    std::optional<std::size_t> firstInstance;
  };

  std::int32_t LookUpIndex(const std::string& name);
  TPerfData& Data();
  // Clears a location that points into an older snapshot.
  void DropStaleLocation();
  std::uint64_t ReadInstanceValue(const std::optional<perf::PerfCounterDefinition>& definition,
                                  const char* missing, std::int32_t index);
  std::uint64_t ReadObjectValue(const std::optional<perf::PerfCounterDefinition>& definition,
                                const char* missing);

  TPerfFilter& filter_;
  std::string objectName_;
  std::int32_t objectIndex_ = kNotLookedUp;
  std::string counterName_;
  std::int32_t counterIndex_ = kNotLookedUp;
  bool byIndex_ = false;  // named by SetIndexes: a language change keeps the indexes
  Location location_;
};

}  // namespace haltwise
