#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "perf/perf_context.h"
#include "perf/perf_counters.h"
#include "perf/perf_instances.h"
#include "perf/perf_monitor.h"
#include "perf/perf_objects.h"
#include "perf/perf_titles.h"

namespace haltwise {

// An instance as the Custom page lists it: its name, and the values of the
// key counters that tell apart instances sharing the name (the process id
// of each "svchost").
struct InstanceIdentity {
  std::string name;
  std::string key;
};

// The main window's performance components, with the settings they are
// created with. They are built at the first activation rather than with the
// window: a machine without performance titles then only loses the disk,
// network and custom graphs instead of failing to start. All of them speak
// one language: the display language where Windows has titles in it, else
// English, so that a name taken from a list is found by every component.
struct PerformanceComponents {
  PerformanceComponents(Registry& registry, Clock& clock,
                        std::optional<std::filesystem::path> replayFile, std::uint16_t uiLanguage);

  PerfContext context;
  std::string language;
  TPerfTitles PerfTitles{context};
  TPerfHelps PerfHelps{context};
  TPerfObjects PerfObjects{context};
  TPerfCounters PerfCounters{context};
  TPerfMonitor PerfMonitor1{context};
  TPerfMonitor PerfMonitorInternal{context};
  TPerfInstances PerfInstances1{context};

  // The instance behind each entry of the Custom page's instance list.
  std::vector<InstanceIdentity> customInstances;
};

}  // namespace haltwise
