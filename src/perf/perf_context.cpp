#include "perf/perf_context.h"

#include <algorithm>

#include "perf/perf_query.h"

namespace haltwise {

PerfContext::PerfContext(Registry& registry, Clock& clock,
                         std::optional<std::filesystem::path> replayFile)
    : registry_(registry), clock_(clock), titleTables_(registry, replayFile) {
  if (replayFile) replay_ = std::make_unique<ReplayFile>(*replayFile);
}

PerfContext::~PerfContext() = default;

TPerfData& PerfContext::AcquirePerfData() {
  if (!shared_) shared_ = std::make_unique<TPerfData>(*this);
  ++holders_;
  return *shared_;
}

void PerfContext::ReleasePerfData(const TPerfData* data) {
  if (data == nullptr || data != shared_.get() || holders_ < 1) return;
  if (--holders_ == 0) shared_.reset();
}

void PerfContext::AddReader(const PerfObjectReader& reader) { readers_.push_back(&reader); }

void PerfContext::RemoveReader(const PerfObjectReader& reader) { std::erase(readers_, &reader); }

std::string PerfContext::QueryValueName() const {
  if (fullObjectLists_ > 0) return "Global";
  std::vector<std::uint32_t> objects;
  for (const PerfObjectReader* reader : readers_) reader->AddWatchedObjects(objects);
  return objects.empty() ? "Global" : ObjectListQuery(objects);
}

PerfContext::FullObjectList::FullObjectList(PerfContext& context) : context_(context) {
  ++context_.fullObjectLists_;
  try {
    if (context_.shared_ && !context_.shared_->HoldsEveryObject()) context_.shared_->ReadNow();
  } catch (...) {
    --context_.fullObjectLists_;
    throw;
  }
}

}  // namespace haltwise
