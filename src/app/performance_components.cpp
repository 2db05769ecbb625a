#include "app/performance_components.h"

namespace haltwise {

PerformanceComponents::PerformanceComponents(Registry& registry, Clock& clock,
                                             std::optional<std::filesystem::path> replayFile)
    : context(registry, clock, std::move(replayFile)) {
  const std::string language = "009";
  PerfTitles.SetLocaleID(language);
  PerfHelps.SetLocaleID(language);
  PerfObjects.Name = "PerfObjects";
  PerfObjects.SetLocaleID(language);
  PerfObjects.SetHelps(&PerfHelps);
  PerfCounters.Name = "PerfCounters";
  PerfCounters.SetLocaleID(language);
  PerfCounters.SetHelps(&PerfHelps);
  // The monitors keep the first language their title tables start with.
  PerfMonitor1.SetHelps(&PerfHelps);
  PerfMonitorInternal.SetHelps(&PerfHelps);
  PerfInstances1.SetLocaleID(language);
}

}  // namespace haltwise
