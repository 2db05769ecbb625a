#include "perf/perf_block.h"

#include <cstring>

#include "platform/error.h"

namespace haltwise {

using namespace perf;

namespace {

[[noreturn]] void ThrowInvalidBlock() { throw Error("Invalid performance data block"); }

// A structure's own length must at least cover its fixed part, or the next
// step would not move forward.
void RequireStep(std::uint32_t length, std::size_t minimum) {
  if (length < minimum) ThrowInvalidBlock();
}

}  // namespace

void PerfBlock::Require(std::uint64_t offset, std::uint64_t length) const {
  if (offset > size_ || length > size_ - offset) ThrowInvalidBlock();
}

std::uint32_t PerfBlock::U32(std::size_t offset) const {
  std::uint32_t value;
  std::memcpy(&value, data_ + offset, sizeof value);
  return value;
}

std::uint64_t PerfBlock::U64(std::size_t offset) const {
  std::uint64_t value;
  std::memcpy(&value, data_ + offset, sizeof value);
  return value;
}

std::uint32_t PerfBlock::NumObjectTypes() const {
  if (Empty()) return 0;
  Require(0, kDataBlockSize);
  return U32(kDataBlockNumObjectTypes);
}

std::optional<SystemTime> PerfBlock::BlockSystemTime() const {
  if (Empty()) return std::nullopt;
  Require(0, kDataBlockSize);
  std::uint16_t fields[8];
  std::memcpy(fields, data_ + kDataBlockSystemTime, sizeof fields);
  return SystemTime{fields[0], fields[1], fields[2], fields[3],
                    fields[4], fields[5], fields[6], fields[7]};
}

PerfBlockClocks PerfBlock::Clocks() const {
  if (Empty()) return {};
  Require(0, kDataBlockSize);
  return {static_cast<std::int64_t>(U64(kDataBlockPerfTime)),
          static_cast<std::int64_t>(U64(kDataBlockPerfFreq)),
          static_cast<std::int64_t>(U64(kDataBlockPerfTime100nSec))};
}

std::size_t PerfBlock::FirstObjectType() const {
  Require(0, kDataBlockSize);
  return U32(kDataBlockHeaderLength);
}

PerfObjectType PerfBlock::ObjectAt(std::size_t offset) const {
  Require(offset, kObjectTypeSize);
  PerfObjectType object;
  object.Offset = offset;
  object.TotalByteLength = U32(offset);
  object.DefinitionLength = U32(offset + 4);
  object.HeaderLength = U32(offset + 8);
  object.ObjectNameTitleIndex = U32(offset + 12);
  object.ObjectHelpTitleIndex = U32(offset + 20);
  object.NumCounters = U32(offset + 32);
  object.NumInstances = static_cast<std::int32_t>(U32(offset + 40));
  object.PerfTime = static_cast<std::int64_t>(U64(offset + 48));
  object.PerfFreq = static_cast<std::int64_t>(U64(offset + 56));
  return object;
}

std::size_t PerfBlock::NextObjectType(const PerfObjectType& object) const {
  RequireStep(object.TotalByteLength, kObjectTypeSize);
  return object.Offset + object.TotalByteLength;
}

std::size_t PerfBlock::FirstCounterDef(const PerfObjectType& object) const {
  return object.Offset + object.HeaderLength;
}

PerfCounterDefinition PerfBlock::CounterDefAt(std::size_t offset) const {
  Require(offset, kCounterDefinitionSize);
  PerfCounterDefinition definition;
  definition.Offset = offset;
  definition.ByteLength = U32(offset);
  definition.CounterNameTitleIndex = U32(offset + 4);
  definition.CounterHelpTitleIndex = U32(offset + 12);
  definition.CounterType = U32(offset + 28);
  definition.CounterSize = U32(offset + 32);
  definition.CounterOffset = U32(offset + 36);
  return definition;
}

std::size_t PerfBlock::NextCounterDef(const PerfCounterDefinition& definition) const {
  RequireStep(definition.ByteLength, kCounterDefinitionSize);
  return definition.Offset + definition.ByteLength;
}

std::optional<std::size_t> PerfBlock::FirstInstanceDef(const PerfObjectType& object) const {
  if (object.NumInstances == kPerfNoInstances) return std::nullopt;
  return object.Offset + object.DefinitionLength;
}

std::optional<std::size_t> PerfBlock::ObjectCounterBlock(const PerfObjectType& object) const {
  if (object.NumInstances != kPerfNoInstances) return std::nullopt;
  return object.Offset + object.DefinitionLength;
}

PerfInstanceDefinition PerfBlock::InstanceDefAt(std::size_t offset) const {
  Require(offset, kInstanceDefinitionSize);
  PerfInstanceDefinition instance;
  instance.Offset = offset;
  instance.ByteLength = U32(offset);
  instance.NameOffset = U32(offset + 16);
  instance.NameLength = U32(offset + 20);
  return instance;
}

std::size_t PerfBlock::InstanceCounterBlock(const PerfInstanceDefinition& instance) const {
  RequireStep(instance.ByteLength, kInstanceDefinitionSize);
  return instance.Offset + instance.ByteLength;
}

std::uint32_t PerfBlock::CounterBlockLength(std::size_t offset) const {
  Require(offset, kCounterBlockSize);
  return U32(offset);
}

std::size_t PerfBlock::NextInstanceDef(const PerfInstanceDefinition& instance) const {
  const std::size_t block = InstanceCounterBlock(instance);
  const std::uint32_t length = CounterBlockLength(block);
  RequireStep(length, kCounterBlockSize);
  return block + length;
}

std::u16string PerfBlock::InstanceDefName(const PerfInstanceDefinition& instance) const {
  if (static_cast<std::int32_t>(instance.NameLength) <= 0) return u"";
  const std::uint64_t start = static_cast<std::uint64_t>(instance.Offset) + instance.NameOffset;
  Require(start, instance.NameLength);
  std::u16string name;
  for (std::size_t i = 0; i + 1 < instance.NameLength; i += 2) {
    char16_t unit;
    std::memcpy(&unit, data_ + start + i, sizeof unit);
    if (unit == 0) break;
    name += unit;
  }
  return name;
}

void PerfBlock::RequireValueSizeClass(const PerfCounterDefinition& definition) {
  const std::uint32_t sizeClass = definition.CounterType & kSizeMask;
  if (sizeClass != kSizeDword && sizeClass != kSizeLarge) throw Error("Invalid counter block size");
}

std::uint64_t PerfBlock::CounterValue(std::size_t counterBlock,
                                      const PerfCounterDefinition& definition) const {
  const std::uint64_t at = static_cast<std::uint64_t>(counterBlock) + definition.CounterOffset;
  switch (definition.CounterSize) {
    case 8:
      Require(at, 8);
      return U64(at);
    case 4:
      Require(at, 4);
      return U32(at);
    default:
      throw Error("Invalid counter block size");
  }
}

}  // namespace haltwise
