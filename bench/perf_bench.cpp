// The cost of the program's performance sampling on a machine of realistic
// size: a "Global" snapshot of about 5 MB with 5,000 threads and title tables
// of about 10,000 entries. Everything is measured in one run against a plain
// linear pass over the snapshot's bytes, and the ratios are printed at the
// end. Goals: a whole sampling second within 10 times the linear pass;
// loading both title tables and listing the objects within 50 times.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "perf/perf_context.h"
#include "perf/perf_monitor.h"
#include "perf/perf_objects.h"
#include "perf/perf_titles.h"
#include "perf/testing/machine_model.h"
#include "perf/testing/perf_block_writer.h"
#include "perf/testing/replay_writer.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_registry.h"

namespace {

using namespace haltwise;
using namespace haltwise::perftest;

constexpr const char* kPerflib009 =
    "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib\\009";

// The big machine's snapshots and title tables, built once.
struct Machine {
  std::vector<std::vector<std::uint8_t>> snapshots;
  TitleTables titles;
  int threads = 0;

  Machine() {
    MachineOptions options;
    options.scenario = Scenario::Big;
    MachineModel model(options);
    for (int i = 0; i < 3; ++i) snapshots.push_back(WritePerfBlock(model.NextSnapshot()));
    titles = model.Titles();
    threads = model.ThreadCount();
  }
};

const Machine& TheMachine() {
  static const Machine machine;
  return machine;
}

// The fake registry, but the performance key copies the current snapshot
// straight into the caller's buffer, as Windows does, so that the benchmark
// measures the program and not the fake's copies.
class SnapshotRegistry : public fake::FakeRegistry {
 public:
  SnapshotRegistry() {
    const Machine& machine = TheMachine();
    SetMultiStringValue(kPerflib009, "Counter", ToMultiStrings(machine.titles.counter));
    SetMultiStringValue(kPerflib009, "Help", ToMultiStrings(machine.titles.help));
  }
  void NextSnapshot() { current_ = (current_ + 1) % TheMachine().snapshots.size(); }

  long QueryValueEx(win::RegKey key, const std::string& valueName, std::uint8_t* data,
                    std::uint32_t* size) override {
    if (key != win::kHKeyPerformanceData) return FakeRegistry::QueryValueEx(key, valueName, data, size);
    const std::vector<std::uint8_t>& snapshot = TheMachine().snapshots[current_];
    if (data == nullptr || *size < snapshot.size()) return win::kErrorMoreData;
    std::memcpy(data, snapshot.data(), snapshot.size());
    *size = static_cast<std::uint32_t>(snapshot.size());
    return win::kErrorSuccess;
  }

 private:
  std::size_t current_ = 0;
};

void LinearPass(benchmark::State& state) {
  const std::vector<std::uint8_t>& snapshot = TheMachine().snapshots[0];
  for (auto _ : state) {
    std::uint64_t sum = 0;
    for (std::uint8_t byte : snapshot) sum += byte;
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * snapshot.size()));
}

// One tick of the program's disk-and-network sampler with a custom counter
// on threads: both monitors refresh and their values are computed.
void SamplingSecond(benchmark::State& state) {
  SnapshotRegistry registry;
  fake::FakeClock clock;
  PerfContext context(registry, clock);
  TPerfTitles titles(context);
  TPerfMonitor custom(context);
  TPerfMonitorItem& threadItem = custom.Items().Add();
  threadItem.SetObjectName("Thread");
  threadItem.SetCounterName("% Processor Time");
  threadItem.SetObjectKey("ID Process;ID Thread");
  TPerfMonitor internal(context);
  const char* const items[][2] = {{"234", "218"}, {"510", "388"}, {"510", "264"}, {"510", "506"}};
  for (const auto& [object, counter] : items) {
    TPerfMonitorItem& item = internal.Items().Add();
    item.SetObjectName(titles.NameByIndex(object));
    item.SetCounterName(titles.NameByIndex(counter));
  }
  double total = 0;
  for (auto _ : state) {
    clock.Advance(1000);
    registry.NextSnapshot();
    custom.Refresh();
    total += threadItem.CalcValue(threadItem.ValueAt(threadItem.RecordCount() / 2));
    internal.Refresh();
    TPerfMonitorItem& disk = internal.Items()[0];
    total += disk.CalcValue(disk.ValueAt(disk.InstanceCount() - 1)) / 1024;
    for (int i = 1; i <= 3; ++i) {
      TPerfMonitorItem& net = internal.Items()[i];
      total += net.CalcValue(net.ValueAt(0)) / 1024;
    }
  }
  benchmark::DoNotOptimize(total);
  state.counters["records"] = threadItem.RecordCount();
}

// What the first activation of the window does with the titles: both tables
// loaded afresh, every object listed with its name and help text.
void TitlesAndObjectList(benchmark::State& state) {
  SnapshotRegistry registry;
  fake::FakeClock clock;
  PerfContext context(registry, clock);
  PerfDataHold snapshot(context);  // a monitor's hold: the snapshot stays
  snapshot.Get();
  std::size_t characters = 0;
  for (auto _ : state) {
    TPerfHelps helps(context);
    TPerfObjects objects(context);
    objects.SetHelps(&helps);
    for (int i = 0; i < objects.Count(); ++i) {
      characters += objects.Names(i).size() + objects.HelpTexts(i).size();
    }
  }
  benchmark::DoNotOptimize(characters);
}

BENCHMARK(LinearPass)->Unit(benchmark::kMicrosecond);
BENCHMARK(SamplingSecond)->Unit(benchmark::kMicrosecond);
BENCHMARK(TitlesAndObjectList)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
  }
  double Time(const std::string& name) const {
    const auto found = times_.find(name);
    return found == times_.end() ? NAN : found->second;
  }

 private:
  std::map<std::string, double> times_;
};

// The registry queries of the first "Global" read, with the fake registry.
void ReportFirstReadQueries() {
  fake::FakeRegistry registry;
  fake::FakeClock clock;
  const std::vector<std::uint8_t>& snapshot = TheMachine().snapshots[0];
  registry.SetPerformanceProvider([&](const std::string&) { return snapshot; });
  PerfContext context(registry, clock);
  PerfDataHold data(context);
  data.Get();
  const int queries = registry.CountCalls("RegQueryValueEx");
  const double bound = std::log2(static_cast<double>(snapshot.size()) / 8192) + 2;
  std::cout << "First \"Global\" read of " << snapshot.size() << " bytes: " << queries
            << " registry queries (bound " << bound << "), buffer " << data.Get().BufferSize()
            << " bytes\n";
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const Machine& machine = TheMachine();
  std::cout << "Snapshot: " << machine.snapshots[0].size() << " bytes, " << machine.threads
            << " threads; title tables: " << machine.titles.counter.size() << " counter and "
            << machine.titles.help.size() << " help entries\n";
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  ReportFirstReadQueries();
  const double linear = reporter.Time("LinearPass");
  std::cout << "Sampling second / linear pass: " << reporter.Time("SamplingSecond") / linear
            << " (goal 10)\n";
  std::cout << "Titles and object list / linear pass: "
            << reporter.Time("TitlesAndObjectList") / linear << " (goal 50)\n";
  benchmark::Shutdown();
  return 0;
}
