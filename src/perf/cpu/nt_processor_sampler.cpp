#include "perf/cpu/nt_processor_sampler.h"

#include <algorithm>

#include "perf/perf_data.h"
#include "perf/perf_query.h"
#include "platform/datetime.h"
#include "platform/error.h"
#include "platform/win_constants.h"

namespace haltwise {
namespace {

constexpr std::uint32_t kProcessorObject = 238;
constexpr std::uint32_t kProcessorTimeCounter = 6;
constexpr char kProcessorObjectValue[] = "238";
constexpr std::size_t kStartBufferSize = 8192;

constexpr char kNoProcessorObject[] = "Unable to locate the \"Processor\" performance object";
constexpr char kNoProcessorTime[] = "Unable to locate the \"% of CPU usage\" performance counter";
constexpr char kIndexOutOfBounds[] = "CPU index out of bounds";

// Differences of raw counters wrap instead of overflowing.
std::int64_t Difference(std::int64_t a, std::int64_t b) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) - static_cast<std::uint64_t>(b));
}

// A Processor object worth reading lists at least one instance, and no more
// than the block can hold (each takes a definition and a counter block), so
// a lying count cannot make the counter arrays huge.
std::optional<perf::PerfObjectType> FindProcessorObject(const PerfBlock& block) {
  const std::uint32_t objects = block.NumObjectTypes();
  if (objects == 0) return std::nullopt;
  std::size_t at = block.FirstObjectType();
  for (std::uint32_t i = 0; i < objects; ++i) {
    const perf::PerfObjectType object = block.ObjectAt(at);
    if (object.ObjectNameTitleIndex == kProcessorObject) {
      if (object.NumInstances < 1) return std::nullopt;
      const std::uint64_t smallest = static_cast<std::uint64_t>(object.NumInstances) *
                                     (perf::kInstanceDefinitionSize + perf::kCounterBlockSize);
      if (smallest > block.Size()) throw Error("Invalid performance data block");
      return object;
    }
    if (i + 1 < objects) at = block.NextObjectType(object);
  }
  return std::nullopt;
}

perf::PerfCounterDefinition FindProcessorTime(const PerfBlock& block,
                                              const perf::PerfObjectType& object) {
  std::size_t at = block.FirstCounterDef(object);
  for (std::uint32_t i = 0; i < object.NumCounters; ++i) {
    const perf::PerfCounterDefinition definition = block.CounterDefAt(at);
    if (definition.CounterNameTitleIndex == kProcessorTimeCounter) return definition;
    if (i + 1 < object.NumCounters) at = block.NextCounterDef(definition);
  }
  throw Error(kNoProcessorTime);
}

}  // namespace

// The sampler's part in the shared query: the Processor object, and a hold
// on the shared snapshot.
class NtProcessorSampler::SharedQuery final : public PerfObjectReader {
 public:
  explicit SharedQuery(PerfContext& context) : context_(context), hold_(context) {
    context_.AddReader(*this);
  }
  SharedQuery(const SharedQuery&) = delete;
  SharedQuery& operator=(const SharedQuery&) = delete;
  ~SharedQuery() { context_.RemoveReader(*this); }

  void AddWatchedObjects(std::vector<std::uint32_t>& objectIndexes) const override {
    objectIndexes.push_back(kProcessorObject);
  }
  TPerfData& Data() { return hold_.Get(); }

 private:
  PerfContext& context_;
  PerfDataHold hold_;
};

NtProcessorSampler::NtProcessorSampler(Registry& registry, SystemInfo& systemInfo)
    : registry_(registry), systemInfo_(systemInfo), buffer_(kStartBufferSize) {}

NtProcessorSampler::~NtProcessorSampler() = default;

void NtProcessorSampler::ShareQuery(PerfContext& context) {
  shared_ = std::make_unique<SharedQuery>(context);
  // The sampler's own buffer is no longer needed.
  std::vector<std::uint8_t>().swap(buffer_);
}

void NtProcessorSampler::Refresh() {
  bool sampled = false;
  switch (source_) {
    case Source::kUnknown:
      sampled = ReadPerformanceData() || ReadSystemTimes();
      break;
    case Source::kPerformanceData:
      sampled = ReadPerformanceData();
      break;
    case Source::kSystemTimes:
      sampled = ReadSystemTimes();
      break;
  }
  if (!sampled) throw Error(kNoProcessorObject);
}

int NtProcessorSampler::Count() {
  if (source_ == Source::kUnknown) Refresh();
  return count_;
}

double NtProcessorSampler::Usage(int index) {
  if (source_ == Source::kUnknown) Refresh();
  if (index < 0 || index >= count_) throw Error(kIndexOutOfBounds);
  if (currentTime_ == previousTime_) return 0.0;
  const auto idle = static_cast<double>(Difference(current_[index], previous_[index]));
  const auto elapsed = static_cast<double>(Difference(currentTime_, previousTime_));
  return 1.0 - idle / elapsed;
}

std::optional<PerfBlock> NtProcessorSampler::NextBlock() {
  if (!shared_) {
    const std::size_t filled = QueryPerformanceData(registry_, kProcessorObjectValue, buffer_);
    return PerfBlock(buffer_.data(), filled);
  }
  TPerfData& data = shared_->Data();
  data.Refresh();
  if (data.Generation() == sampledGeneration_) return std::nullopt;
  sampledGeneration_ = data.Generation();
  return data.Block();
}

bool NtProcessorSampler::ReadPerformanceData() {
  const std::optional<PerfBlock> next = NextBlock();
  if (!next) return true;  // nothing new: the last usage stands
  const PerfBlock& block = *next;
  const std::optional<perf::PerfObjectType> object = FindProcessorObject(block);
  if (!object) return false;
  if (source_ == Source::kUnknown) FixSource(Source::kPerformanceData, object->NumInstances);
  const perf::PerfCounterDefinition processorTime = FindProcessorTime(block, *object);

  // The count is fixed at the first sample: read no more instances than
  // this block really has.
  const int instances = std::min(count_, object->NumInstances);
  std::size_t at = *block.FirstInstanceDef(*object);
  for (int i = 0; i < instances; ++i) {
    const perf::PerfInstanceDefinition instance = block.InstanceDefAt(at);
    const std::size_t counters = block.InstanceCounterBlock(instance);
    Store(i, static_cast<std::int64_t>(block.CounterValue(counters, processorTime)));
    if (i + 1 < instances) at = block.NextInstanceDef(instance);
  }

  std::int64_t time = currentTime_;
  if (const auto systemTime = block.BlockSystemTime()) SystemTimeToFileTime(*systemTime, &time);
  StoreTime(time);
  return true;
}

// The system-wide times as one instance: idle time against the kernel
// time (which includes idle) plus user time.
bool NtProcessorSampler::ReadSystemTimes() {
  std::int64_t idle = 0, kernel = 0, user = 0;
  if (!systemInfo_.GetSystemTimes(&idle, &kernel, &user)) return false;
  if (source_ == Source::kUnknown) FixSource(Source::kSystemTimes, 1);
  Store(0, idle);
  StoreTime(static_cast<std::int64_t>(static_cast<std::uint64_t>(kernel) +
                                      static_cast<std::uint64_t>(user)));
  return true;
}

void NtProcessorSampler::FixSource(Source source, int count) {
  source_ = source;
  count_ = count;
  current_.assign(static_cast<std::size_t>(count), 0);
  previous_.assign(static_cast<std::size_t>(count), 0);
}

void NtProcessorSampler::Store(int index, std::int64_t idle) {
  previous_[index] = current_[index];
  current_[index] = idle;
}

void NtProcessorSampler::StoreTime(std::int64_t time) {
  previousTime_ = currentTime_;
  currentTime_ = time;
}

}  // namespace haltwise
