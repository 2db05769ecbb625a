#include "perf/perf_context.h"

namespace haltwise {

PerfContext::PerfContext(Registry& registry, Clock& clock,
                         std::optional<std::filesystem::path> replayFile)
    : registry_(registry), clock_(clock), titleTables_(registry, replayFile) {
  if (replayFile) replay_ = std::make_unique<ReplayFile>(*replayFile);
}

PerfContext::~PerfContext() = default;

TPerfData& PerfContext::AcquirePerfData() {
  if (!shared_) shared_ = std::make_unique<TPerfData>(*this, "Global");
  ++holders_;
  return *shared_;
}

void PerfContext::ReleasePerfData(const TPerfData* data) {
  if (data == nullptr || data != shared_.get() || holders_ < 1) return;
  if (--holders_ == 0) shared_.reset();
}

}  // namespace haltwise
