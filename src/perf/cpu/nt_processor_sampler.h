#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "perf/perf_block.h"
#include "platform/registry.h"
#include "platform/system_info.h"

namespace haltwise {

// Processor usage on the NT family, read from the "Processor" object of the
// performance data: each instance's idle time against the block's clock.
// Where the performance data holds no Processor object (counters switched
// off, or a system that returns an empty block), the system-wide idle,
// kernel and user times stand in as one instance. The source found at the
// first sample is kept, and so is the instance count.
class NtProcessorSampler {
 public:
  NtProcessorSampler(Registry& registry, SystemInfo& systemInfo);

  void Refresh();
  // Both take a first sample when none was taken yet.
  int Count();
  double Usage(int index);

  std::size_t BufferSize() const { return buffer_.size(); }

 private:
  enum class Source { kUnknown, kPerformanceData, kSystemTimes };

  PerfBlock QueryProcessorBlock();
  bool ReadPerformanceData();
  bool ReadSystemTimes();
  // The source and the instance count are fixed together, at the first sample.
  void FixSource(Source source, int count);
  void Store(int index, std::int64_t idle);
  void StoreTime(std::int64_t time);

  Registry& registry_;
  SystemInfo& systemInfo_;
  std::vector<std::uint8_t> buffer_;
  Source source_ = Source::kUnknown;
  int count_ = 0;
  std::vector<std::int64_t> current_, previous_;
  std::int64_t currentTime_ = 0, previousTime_ = 0;
};

}  // namespace haltwise
