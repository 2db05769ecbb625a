#pragma once
#include <filesystem>
#include <optional>

#include "perf/perf_context.h"
#include "perf/perf_counters.h"
#include "perf/perf_instances.h"
#include "perf/perf_monitor.h"
#include "perf/perf_objects.h"
#include "perf/perf_titles.h"

namespace haltwise {

// The main window's performance components, with the settings they are
// created with. They are built at the first activation rather than with the
// window: a machine without performance titles then only loses the disk,
// network and custom graphs instead of failing to start.
struct PerformanceComponents {
  PerformanceComponents(Registry& registry, Clock& clock,
                        std::optional<std::filesystem::path> replayFile);

  PerfContext context;
  TPerfTitles PerfTitles{context};
  TPerfHelps PerfHelps{context};
  TPerfObjects PerfObjects{context};
  TPerfCounters PerfCounters{context};
  TPerfMonitor PerfMonitor1{context};
  TPerfMonitor PerfMonitorInternal{context};
  TPerfInstances PerfInstances1{context};
};

}  // namespace haltwise
