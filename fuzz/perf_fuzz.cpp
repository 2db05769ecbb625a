// libFuzzer target: every input is read twice, once as the "Global" data of
// the registry, which answers each query with just the objects it names, and
// once as a replay file, and walked the way the program's components walk
// them: every object listed, counters watched by name and by title index,
// records found by name and key, and the processor meter sharing the
// monitors' query. The only failure allowed is the program's own error;
// anything else (a crash, a read outside the input, a foreign exception) is
// a finding, and so is a component that keeps its hold on the shared
// snapshot after it is gone.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_support.h"
#include "perf/cpu/cpu_meter.h"
#include "perf/perf_context.h"
#include "perf/perf_counters.h"
#include "perf/perf_monitor.h"
#include "perf/perf_objects.h"
#include "perf/perf_titles.h"
#include "perf/testing/perf_query_answer.h"
#include "perf/testing/replay_writer.h"
#include "perf/testing/standard_titles.h"
#include "platform/error.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_system_info.h"

namespace {

using namespace haltwise;

constexpr int kMostListed = 64;

void ListObjectsAndCounters(PerfContext& context) {
  const PerfContext::FullObjectList listing(context);
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

// The disk and network counters of the internal monitor, by title index.
constexpr std::int32_t kInternalCounters[][2] = {{234, 218}, {510, 388}, {510, 264}, {510, 506}};

// Every record found again by its name and key, and "_Total" by name.
void FindEveryRecord(TPerfMonitorItem& item) {
  const int records = std::min(item.RecordCount(), kMostListed);
  for (int r = 0; r < records; ++r) {
    const TPerfMonitorCounterValue& record = item.ValueAt(r);
    fuzz::Check(item.FindRecord(record.InstanceName, record.Key) != nullptr,
                "a record is found by its own name and key");
  }
  if (const TPerfMonitorCounterValue* total = item.FindRecord("_Total", "")) item.CalcValue(*total);
}

// The name and key of each item's chosen instance, where it has one.
using ChosenInstances = std::vector<std::optional<std::pair<std::string, std::string>>>;

// Each item's middle record, as the Custom page's choice, sampled alone
// from then on.
ChosenInstances ChooseMiddleInstances(TPerfMonitor& monitor) {
  ChosenInstances chosenInstances(static_cast<std::size_t>(monitor.Items().Count()));
  for (int i = 0; i < monitor.Items().Count(); ++i) {
    TPerfMonitorItem& item = monitor.Items()[i];
    try {
      if (!item.HasInstances() || item.RecordCount() == 0) continue;
      const TPerfMonitorCounterValue& record = item.ValueAt(item.RecordCount() / 2);
      chosenInstances[static_cast<std::size_t>(i)] = {record.InstanceName, record.Key};
      item.SampleOnly(record.InstanceName, record.Key);
    } catch (const Error&) {
    }
  }
  return chosenInstances;
}

void Monitor(PerfContext& context, fake::FakeClock& clock, Registry& registry) {
  fake::FakeSystemInfo system;
  CpuMeter meter(registry, system);
  meter.ShareQuery(context);
  TPerfMonitor monitor(context);
  const char* const watched[][3] = {{"Process", "% Processor Time", "ID Process"},
                                    {"Thread", "% Processor Time", "ID Process;ID Thread"},
                                    {"Memory", "% Committed Bytes In Use", ""},
                                    {"System", "File Read Operations/sec", ""}};
  for (const auto& [object, counter, key] : watched) {
    try {
      TPerfMonitorItem& item = monitor.Items().Add();
      item.SetObjectName(object);
      item.SetCounterName(counter);
      item.SetObjectKey(key);
    } catch (const Error&) {
    }
  }
  TPerfMonitor internal(context);
  for (const auto& [object, counter] : kInternalCounters) {
    try {
      internal.Items().Add().SetIndexes(object, counter);
    } catch (const Error&) {
    }
  }
  // The data is the same every second: a first read, then one more for the
  // rates between two samples.
  ChosenInstances chosenInstances;
  for (int second = 0; second < 2; ++second) {
    try {
      meter.RefreshCpuSample();
      for (int i = 0; i < std::min(meter.CpuCount(), kMostListed); ++i) meter.CpuUsage(i);
    } catch (const Error&) {
    }
    for (TPerfMonitor* each : {&monitor, &internal}) {
      try {
        each->Refresh();
      } catch (const Error&) {
      }
      for (int i = 0; i < each->Items().Count(); ++i) {
        TPerfMonitorItem& item = each->Items()[i];
        try {
          item.CounterUnits();
          const int records = std::min(item.RecordCount(), kMostListed);
          for (int r = 0; r < std::max(records, 1); ++r) item.CalcValue(item.ValueAt(r));
          FindEveryRecord(item);
        } catch (const Error&) {
        }
      }
    }
    if (second == 0) chosenInstances = ChooseMiddleInstances(monitor);
    clock.Advance(1000);
  }
  // The same data again: each chosen instance is found where it was.
  for (int i = 0; i < monitor.Items().Count(); ++i) {
    const auto& chosen = chosenInstances[static_cast<std::size_t>(i)];
    if (chosen) {
      fuzz::Check(monitor.Items()[i].FindRecord(chosen->first, chosen->second) != nullptr,
                  "the chosen instance is sampled again");
    }
  }
}

fake::FakeRegistry WithEnglishTitles() {
  fake::FakeRegistry registry;
  const perftest::TitleTables tables = perftest::MakeTitleTables(0);
  const std::string key = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib\\009";
  registry.SetMultiStringValue(key, "Counter", perftest::ToMultiStrings(tables.counter));
  registry.SetMultiStringValue(key, "Help", perftest::ToMultiStrings(tables.help));
  return registry;
}

// A machine with English titles whose performance data is the input. Its
// context keeps the title tables loaded for every input (a table stays while
// somebody holds it); what a context keeps of one input, the time of its
// latest read, is set back before the next.
class RegistryMachine {
 public:
  RegistryMachine() {
    registry_.SetPerformanceProvider([this](const std::string& valueName) {
      try {
        return perftest::AnswerPerfQuery(*input_, valueName);
      } catch (const std::exception&) {
        return *input_;  // a block that lies is returned as it is, whatever was asked
      }
    });
    titlesHeld_.NameByIndex("238");
    helpsHeld_.NameByIndex("238");
  }

  void Run(const std::vector<std::uint8_t>& input) {
    input_ = &input;
    clock_.SetTick(start_.TickCount());
    clock_.SetLocal(start_.Now());
    context_.SetLastReadTime(0);
    try {
      ListObjectsAndCounters(context_);
      Monitor(context_, clock_, registry_);
    } catch (const Error&) {
    }
    fuzz::Check(context_.HolderCount() == 0 && context_.SharedPerfData() == nullptr,
                "components that are gone hold no snapshot");
    // The registry records every call; kept, they would fill the memory.
    registry_.ClearCalls();
  }

 private:
  const fake::FakeClock start_;
  fake::FakeClock clock_;
  fake::FakeRegistry registry_ = WithEnglishTitles();
  PerfContext context_{registry_, clock_};
  TPerfTitles titlesHeld_{context_};
  TPerfHelps helpsHeld_{context_};
  const std::vector<std::uint8_t>* input_ = nullptr;
};

// A replay file brings its own title tables.
void AsReplayFile(const std::vector<std::uint8_t>& input) {
  static const fuzz::MemoryFile file("haltwise_perf_fuzz");
  file.Write({reinterpret_cast<const char*>(input.data()), input.size()});
  fake::FakeRegistry registry;
  registry.CreateKey("HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib\\009");
  fake::FakeClock clock;
  try {
    PerfContext context(registry, clock, file.Path());
    ListObjectsAndCounters(context);
    Monitor(context, clock, registry);
  } catch (const Error&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static RegistryMachine machine;
  const std::vector<std::uint8_t> input(data, data + size);
  machine.Run(input);
  AsReplayFile(input);
  return 0;
}
