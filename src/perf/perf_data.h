#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "perf/perf_block.h"
#include "perf/perf_layout.h"

namespace haltwise {

class PerfContext;

// One snapshot of the performance data, shared by every performance component
// of a PerfContext (see PerfContext::AcquirePerfData). A new snapshot is taken
// at most once a second across the whole context, from the replay file when
// there is one, otherwise from the performance-data registry key, asking for
// the objects the context's readers watch (PerfContext::QueryValueName).
class TPerfData {
 public:
  static constexpr std::int32_t kInitialBufferSize = 8192;

  // Takes the first snapshot at once, whenever the last read of the context was.
  explicit TPerfData(PerfContext& context);
  TPerfData(const TPerfData&) = delete;
  TPerfData& operator=(const TPerfData&) = delete;

  // Takes a new snapshot unless the context read one less than a second
  // ago; a used-up replay file gives its last snapshot again.
  void Refresh();
  // Takes a new snapshot now, however recent the last read was (a replay
  // file's next record, if any is left).
  void ReadNow() { Read(true); }

  // The value name of the latest read.
  const std::string& ValueName() const { return valueName_; }
  // Whether the snapshot has every object: read as "Global", or replayed
  // (replay files record whole snapshots).
  bool HoldsEveryObject() const;
  // Whether the latest read asked for the object with this title index.
  bool AskedFor(std::uint32_t objectIndex) const;
  std::int32_t BufferSize() const { return static_cast<std::int32_t>(buffer_.size()); }
  // The latest snapshot; empty (no objects) when the latest read failed.
  PerfBlock Block() const { return PerfBlock(buffer_.data(), filled_); }
  // The header of the snapshot before the latest read.
  const std::array<std::uint8_t, perf::kDataBlockSize>& PreviousHeader() const {
    return previousHeader_;
  }
  // Changes with every read, so that located counters can tell they are stale.
  std::uint64_t Generation() const { return generation_; }

  // Object `position` (0-based, below NumObjectTypes) of the snapshot. The
  // offsets found by walking are kept until the next read, so listing every
  // object, or locating many counters, walks the block once.
  perf::PerfObjectType ObjectAtPosition(std::uint32_t position) const;
  // Instance `index` (0-based, below NumInstances) of `object`, likewise.
  perf::PerfInstanceDefinition InstanceAt(const perf::PerfObjectType& object,
                                          std::uint32_t index) const;

 private:
  void Read(bool force);

  PerfContext& context_;
  std::string valueName_;
  std::vector<std::uint8_t> buffer_;
  std::size_t filled_ = 0;  // bytes of the latest successful read; 0 for none
  std::array<std::uint8_t, perf::kDataBlockSize> previousHeader_{};
  std::uint64_t generation_ = 0;
  mutable std::vector<std::size_t> objectOffsets_;
  mutable std::unordered_map<std::size_t, std::vector<std::size_t>> instanceOffsets_;
};

}  // namespace haltwise
