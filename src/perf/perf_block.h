#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "perf/perf_layout.h"
#include "platform/datetime.h"

namespace haltwise {

// A read-only view of one performance data block with the walkers over it.
// The block is untrusted input: every structure is checked to lie inside the
// view before it is decoded, and every length used to step to the next
// structure must at least cover the structure itself, so a walk always ends.
// A block that breaks these rules raises "Invalid performance data block".
// An empty view is a snapshot without objects.
class PerfBlock {
 public:
  PerfBlock() = default;
  PerfBlock(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Empty() const { return size_ == 0; }
  std::size_t Size() const { return size_; }

  // Header fields; an empty view has no objects and no system time.
  std::uint32_t NumObjectTypes() const;
  std::optional<SystemTime> BlockSystemTime() const;
  // PerfTime, PerfFreq and PerfTime100nSec; all 0 for an empty view.
  perf::PerfBlockClocks Clocks() const;

  std::size_t FirstObjectType() const;
  std::size_t NextObjectType(const perf::PerfObjectType& object) const;
  perf::PerfObjectType ObjectAt(std::size_t offset) const;

  std::size_t FirstCounterDef(const perf::PerfObjectType& object) const;
  std::size_t NextCounterDef(const perf::PerfCounterDefinition& definition) const;
  perf::PerfCounterDefinition CounterDefAt(std::size_t offset) const;

  // None when the object has no instances (NumInstances is -1).
  std::optional<std::size_t> FirstInstanceDef(const perf::PerfObjectType& object) const;
  // Present only for an object without instances.
  std::optional<std::size_t> ObjectCounterBlock(const perf::PerfObjectType& object) const;
  perf::PerfInstanceDefinition InstanceDefAt(std::size_t offset) const;
  std::size_t InstanceCounterBlock(const perf::PerfInstanceDefinition& instance) const;
  std::size_t NextInstanceDef(const perf::PerfInstanceDefinition& instance) const;
  // The UTF-16 name up to its terminator; empty when NameLength is 0 or less.
  std::u16string InstanceDefName(const perf::PerfInstanceDefinition& instance) const;

  // Fails with "Invalid counter block size" unless the size class of the
  // counter type is DWORD or LARGE.
  static void RequireValueSizeClass(const perf::PerfCounterDefinition& definition);
  // The raw value of `definition` in the counter block at `counterBlock`,
  // zero-extended from 32 bits; "Invalid counter block size" unless
  // CounterSize is 4 or 8.
  std::uint64_t CounterValue(std::size_t counterBlock,
                             const perf::PerfCounterDefinition& definition) const;

 private:
  // Checks that `length` bytes at `offset` lie inside the view.
  void Require(std::uint64_t offset, std::uint64_t length) const;
  std::uint32_t U32(std::size_t offset) const;
  std::uint64_t U64(std::size_t offset) const;
  std::uint32_t CounterBlockLength(std::size_t offset) const;

  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace haltwise
