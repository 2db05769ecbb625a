#include "perf/perf_data.h"

#include <algorithm>
#include <limits>
#include <new>

#include "perf/perf_context.h"
#include "platform/error.h"
#include "platform/registry.h"

namespace haltwise {

TPerfData::TPerfData(PerfContext& context, std::string valueName)
    : context_(context), valueName_(std::move(valueName)), buffer_(kInitialBufferSize) {
  Read(true);
}

void TPerfData::Refresh() { Read(false); }

void TPerfData::Read(bool force) {
  ReplayFile* replay = context_.Replay();
  if (replay != nullptr && replay->AtEnd()) return;
  const DateTime now = context_.GetClock().Now();
  const DateTime last = context_.LastReadTime();
  // A clock set back (by the user, or at the end of daylight saving time)
  // must not freeze the data until it catches up again.
  if (!force && last + kOneSecond > now && now >= last) return;
  context_.SetLastReadTime(now);

  if (filled_ > 0) {
    previousHeader_.fill(0);
    std::copy_n(buffer_.begin(), std::min(filled_, previousHeader_.size()),
                previousHeader_.begin());
  }
  // Whatever happens below, the buffer no longer holds the old snapshot.
  filled_ = 0;
  ++generation_;
  objectOffsets_.clear();
  instanceOffsets_.clear();

  if (replay != nullptr) {
    replay->ReadRecord(buffer_);
    filled_ = buffer_.size();
  } else {
    ReadFromRegistry();
  }
}

void TPerfData::ReadFromRegistry() {
  Registry& registry = context_.GetRegistry();
  for (;;) {
    auto size = static_cast<std::uint32_t>(buffer_.size());
    const long result =
        registry.QueryValueEx(win::kHKeyPerformanceData, valueName_, buffer_.data(), &size);
    if (result == win::kErrorSuccess) {
      filled_ = std::min<std::size_t>(size, buffer_.size());
      return;
    }
    if (result != win::kErrorMoreData) return;
    Grow();
  }
}

// The "Global" data is several megabytes on current Windows and every query
// collects all of it again, so the buffer doubles (and keeps its size) to
// reach it in a few queries.
void TPerfData::Grow() {
  constexpr std::size_t kLimit = std::numeric_limits<std::int32_t>::max();
  if (buffer_.size() > kLimit / 2) throw Error("Out of memory");
  try {
    buffer_.assign(buffer_.size() * 2, 0);
  } catch (const std::bad_alloc&) {
    throw Error("Out of memory");
  }
}

perf::PerfObjectType TPerfData::ObjectAtPosition(std::uint32_t position) const {
  const PerfBlock block = Block();
  if (objectOffsets_.empty()) objectOffsets_.push_back(block.FirstObjectType());
  while (objectOffsets_.size() <= position) {
    objectOffsets_.push_back(block.NextObjectType(block.ObjectAt(objectOffsets_.back())));
  }
  return block.ObjectAt(objectOffsets_[position]);
}

perf::PerfInstanceDefinition TPerfData::InstanceAt(const perf::PerfObjectType& object,
                                                   std::uint32_t index) const {
  const PerfBlock block = Block();
  std::vector<std::size_t>& offsets = instanceOffsets_[object.Offset];
  if (offsets.empty()) {
    const auto first = block.FirstInstanceDef(object);
    if (!first) throw Error("Invalid performance data block");
    offsets.push_back(*first);
  }
  while (offsets.size() <= index) {
    offsets.push_back(block.NextInstanceDef(block.InstanceDefAt(offsets.back())));
  }
  return block.InstanceDefAt(offsets[index]);
}

}  // namespace haltwise
