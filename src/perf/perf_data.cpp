#include "perf/perf_data.h"

#include <algorithm>
#include <sstream>

#include "perf/perf_context.h"
#include "perf/perf_query.h"
#include "platform/error.h"

namespace haltwise {

TPerfData::TPerfData(PerfContext& context) : context_(context), buffer_(kInitialBufferSize) {
  Read(true);
}

void TPerfData::Refresh() { Read(false); }

bool TPerfData::HoldsEveryObject() const {
  return context_.Replay() != nullptr || valueName_ == "Global";
}

bool TPerfData::AskedFor(std::uint32_t objectIndex) const {
  if (HoldsEveryObject()) return true;
  std::istringstream words(valueName_);
  std::uint32_t index = 0;
  while (words >> index) {
    if (index == objectIndex) return true;
  }
  return false;
}

void TPerfData::Read(bool force) {
  ReplayFile* replay = context_.Replay();
  const DateTime now = context_.GetClock().Now();
  const DateTime last = context_.LastReadTime();
  // A clock set back (by the user, or at the end of daylight saving time)
  // must not freeze the data until it catches up again.
  if (!force && last + kOneSecond > now && now >= last) return;
  context_.SetLastReadTime(now);
  // A used-up replay file keeps its last snapshot, read again every second:
  // no time passes in it.
  if (replay != nullptr && replay->AtEnd()) {
    generation_ = context_.NextGeneration();
    return;
  }

  if (filled_ > 0) {
    previousHeader_.fill(0);
    std::copy_n(buffer_.begin(), std::min(filled_, previousHeader_.size()),
                previousHeader_.begin());
  }
  // Whatever happens below, the buffer no longer holds the old snapshot.
  filled_ = 0;
  generation_ = context_.NextGeneration();
  objectOffsets_.clear();
  instanceOffsets_.clear();

  valueName_ = context_.QueryValueName();
  if (replay != nullptr) {
    replay->ReadRecord(buffer_);
    filled_ = buffer_.size();
  } else {
    filled_ = QueryPerformanceData(context_.GetRegistry(), valueName_, buffer_);
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
