#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "perf/perf_block.h"
#include "perf/perf_context.h"
#include "platform/registry.h"
#include "platform/system_info.h"

namespace haltwise {

// Processor usage on the NT family, read from the "Processor" object of the
// performance data: each instance's idle time against the block's clock.
// Where the performance data holds no Processor object (counters switched
// off, or a system that returns an empty block), the system-wide idle,
// kernel and user times stand in as one instance. The source found at the
// first sample is kept, and so is the instance count. The sampler asks for
// the Processor object alone ("238") until it shares the per-second query of
// the program's other performance readers.
class NtProcessorSampler {
 public:
  NtProcessorSampler(Registry& registry, SystemInfo& systemInfo);
  ~NtProcessorSampler();

  // From now on the samples come from the context's shared snapshot, whose
  // every read then asks for the Processor object as well. A snapshot
  // sampled already gives no new sample: the last usage stands.
  void ShareQuery(PerfContext& context);

  void Refresh();
  // Both take a first sample when none was taken yet.
  int Count();
  double Usage(int index);

  std::size_t BufferSize() const { return buffer_.size(); }

 private:
  enum class Source { kUnknown, kPerformanceData, kSystemTimes };

  class SharedQuery;

  // The next block to sample; none when the shared snapshot has not moved
  // on since the last sample.
  std::optional<PerfBlock> NextBlock();
  bool ReadPerformanceData();
  bool ReadSystemTimes();
  // The source and the instance count are fixed together, at the first sample.
  void FixSource(Source source, int count);
  void Store(int index, std::int64_t idle);
  void StoreTime(std::int64_t time);

  Registry& registry_;
  SystemInfo& systemInfo_;
  std::vector<std::uint8_t> buffer_;
  std::unique_ptr<SharedQuery> shared_;
  std::uint64_t sampledGeneration_ = 0;
  Source source_ = Source::kUnknown;
  int count_ = 0;
  std::vector<std::int64_t> current_, previous_;
  std::int64_t currentTime_ = 0, previousTime_ = 0;
};

}  // namespace haltwise
