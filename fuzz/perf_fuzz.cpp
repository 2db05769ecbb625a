// libFuzzer target: every input is read twice, once as the performance data
// block the registry returns and once as a replay file, and walked the way
// the program's components walk them. The only failure allowed is the
// program's own error; anything else (a crash, a read outside the input, a
// foreign exception) is a finding. Build with fuzz/build_perf_fuzz.sh.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "perf/perf_context.h"
#include "perf/perf_counters.h"
#include "perf/perf_monitor.h"
#include "perf/perf_objects.h"
#include "perf/perf_titles.h"
#include "perf/testing/replay_writer.h"
#include "perf/testing/standard_titles.h"
#include "platform/error.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_registry.h"

namespace {

using namespace haltwise;

constexpr int kMostListed = 64;

void ListObjectsAndCounters(PerfContext& context) {
  TPerfHelps helps(context);
  TPerfObjects objects(context);
  objects.SetHelps(&helps);
  TPerfCounters counters(context);
  counters.SetHelps(&helps);
  const int count = std::min(objects.Count(), kMostListed);
  for (int i = 0; i < count; ++i) {
    try {
      const std::string name = objects.Names(i);
      objects.HelpTexts(i);
      counters.SetObjectName(name);
      const int counterCount = std::min(counters.Count(), kMostListed);
      for (int c = 0; c < counterCount; ++c) {
        counters.Names(c);
        counters.HelpTexts(c);
      }
    } catch (const Error&) {
    }
  }
}

void Monitor(PerfContext& context, fake::FakeClock& clock) {
  TPerfMonitor monitor(context);
  const char* const watched[][3] = {
      {"Process", "% Processor Time", "ID Process"},
      {"Thread", "% Processor Time", "ID Process;ID Thread"},
      {"PhysicalDisk", "Disk Bytes/sec", ""},
      {"Network Interface", "Bytes Received/sec", ""},
      {"Memory", "% Committed Bytes In Use", ""},
      {"System", "File Read Operations/sec", ""},
      {"Processor", "% Processor Time", ""}};
  for (const auto& [object, counter, key] : watched) {
    try {
      TPerfMonitorItem& item = monitor.Items().Add();
      item.SetObjectName(object);
      item.SetCounterName(counter);
      item.SetObjectKey(key);
    } catch (const Error&) {
    }
  }
  for (int second = 0; second < 3; ++second) {
    try {
      monitor.Refresh();
    } catch (const Error&) {
    }
    for (int i = 0; i < monitor.Items().Count(); ++i) {
      TPerfMonitorItem& item = monitor.Items()[i];
      try {
        item.CounterUnits();
        const int records = std::min(item.RecordCount(), kMostListed);
        for (int r = 0; r < std::max(records, 1); ++r) item.CalcValue(item.ValueAt(r));
      } catch (const Error&) {
      }
    }
    clock.Advance(1000);
  }
}

void SetEnglishTitles(fake::FakeRegistry& registry) {
  static const perftest::TitleTables tables = perftest::MakeTitleTables(0);
  const std::string key = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib\\009";
  registry.SetMultiStringValue(key, "Counter", perftest::ToMultiStrings(tables.counter));
  registry.SetMultiStringValue(key, "Help", perftest::ToMultiStrings(tables.help));
}

void AsRegistryBlock(const std::vector<std::uint8_t>& input) {
  fake::FakeRegistry registry;
  fake::FakeClock clock;
  SetEnglishTitles(registry);
  registry.SetPerformanceProvider([&](const std::string&) { return input; });
  PerfContext context(registry, clock);
  ListObjectsAndCounters(context);
  Monitor(context, clock);
}

void AsReplayFile(const std::vector<std::uint8_t>& input) {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "haltwise_perf_fuzz.dat";
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(input.data()), static_cast<std::streamsize>(input.size()));
  }
  fake::FakeRegistry registry;
  fake::FakeClock clock;
  SetEnglishTitles(registry);
  try {
    PerfContext context(registry, clock, path);
    ListObjectsAndCounters(context);
    Monitor(context, clock);
  } catch (const Error&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> input(data, data + size);
  try {
    AsRegistryBlock(input);
  } catch (const Error&) {
  }
  AsReplayFile(input);
  return 0;
}
