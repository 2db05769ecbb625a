#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/datetime.h"

// Writes performance data blocks in the published Windows layout, for the
// replay-file generator, the tests' fixtures and the benchmarks.
namespace haltwise::perftest {

struct CounterSpec {
  std::uint32_t nameIndex = 0;
  std::uint32_t helpIndex = 0;
  std::uint32_t type = 0;
  // Bytes of the value in the counter block; by default 8 for the LARGE size
  // class, 4 for DWORD, 0 for ZERO and 16 for variable-length text.
  std::optional<std::uint32_t> size;
};

struct InstanceSpec {
  std::string name;                   // UTF-8; written as UTF-16
  std::vector<std::uint64_t> values;  // one per counter, cut to its size
  std::uint32_t parentObjectTitleIndex = 0;
  std::uint32_t parentObjectInstance = 0;
};

struct ObjectSpec {
  std::uint32_t nameIndex = 0;
  std::uint32_t helpIndex = 0;
  std::vector<CounterSpec> counters;
  // None: an object without instances, whose counters are `values`.
  std::optional<std::vector<InstanceSpec>> instances;
  std::vector<std::uint64_t> values;
  std::int64_t perfTime = 0;
  std::int64_t perfFreq = 0;
};

struct BlockSpec {
  SystemTime systemTime{2026, 6, 1, 1, 12, 0, 0, 0};
  std::int64_t perfTime = 0;
  std::int64_t perfFreq = 10000000;
  std::int64_t perfTime100nSec = 0;
  std::string systemName = "HALTWISE-PC";
  std::vector<ObjectSpec> objects;
};

std::uint32_t DefaultCounterSize(std::uint32_t type);
std::vector<std::uint8_t> WritePerfBlock(const BlockSpec& blockSpec);

// Little-endian patching of a written block, for fixtures that lie.
void PutU32(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value);

}  // namespace haltwise::perftest
