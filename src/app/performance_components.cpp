#include "app/performance_components.h"

#include "perf/perf_language.h"

namespace haltwise {

PerformanceComponents::PerformanceComponents(Registry& registry, Clock& clock,
                                             std::optional<std::filesystem::path> replayFile,
                                             std::uint16_t uiLanguage)
    : context(registry, clock, std::move(replayFile)),
      language(ChooseTitleLanguage(context.TitleTables(), uiLanguage)) {
  PerfTitles.SetLocaleID(language);
  PerfHelps.SetLocaleID(language);
  PerfObjects.Name = "PerfObjects";
  PerfObjects.SetLocaleID(language);
  PerfObjects.SetHelps(&PerfHelps);
  PerfCounters.Name = "PerfCounters";
  PerfCounters.SetLocaleID(language);
  PerfCounters.SetHelps(&PerfHelps);
  PerfMonitor1.SetLocaleID(language);
  PerfMonitor1.SetHelps(&PerfHelps);
  PerfMonitorInternal.SetLocaleID(language);
  PerfMonitorInternal.SetHelps(&PerfHelps);
  PerfInstances1.SetLocaleID(language);
}

}  // namespace haltwise
