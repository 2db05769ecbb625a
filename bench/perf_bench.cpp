// The cost of the program's performance sampling on a machine of realistic
// size: a "Global" snapshot of about 5 MB with 5,000 threads and title tables
// of about 10,000 entries. Everything is measured in one run against a plain
// linear pass over the snapshot's bytes, and the ratios are printed at the
// end. Goals: what one steady second asks Windows for (a Custom counter on
// one process) within 5 % of the "Global" snapshot; that whole sampling
// second within a quarter of the linear pass; with the Custom counter on
// Thread, no more than a pass over the Thread object; loading both title
// tables and listing the objects within 50 times the linear pass.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "perf/cpu/cpu_meter.h"
#include "perf/perf_context.h"
#include "perf/perf_monitor.h"
#include "perf/perf_objects.h"
#include "perf/perf_titles.h"
#include "perf/testing/machine_model.h"
#include "perf/testing/perf_block_writer.h"
#include "perf/testing/perf_query_answer.h"
#include "perf/testing/replay_writer.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_system_info.h"

namespace {

using namespace haltwise;
using namespace haltwise::perftest;

constexpr const char* kPerflib009 =
    "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib\\009";

constexpr std::uint32_t kThreadObject = 232;

// The big machine's snapshots and title tables, built once.
struct Machine {
  std::vector<std::vector<std::uint8_t>> snapshots;
  TitleTables titles;
  int threads = 0;
  std::size_t threadObjectBytes = 0;

  Machine() {
    MachineOptions options;
    options.scenario = Scenario::Big;
    MachineModel model(options);
    for (int i = 0; i < 3; ++i) snapshots.push_back(WritePerfBlock(model.NextSnapshot()));
    titles = model.Titles();
    threads = model.ThreadCount();
    threadObjectBytes = AnswerPerfQuery(snapshots[0], std::to_string(kThreadObject)).size();
  }
};

const Machine& TheMachine() {
  static const Machine machine;
  return machine;
}

// The fake registry, but the performance key answers each query as Windows
// does, with just the objects asked for, copied straight into the caller's
// buffer. The answers are prepared once per snapshot and query, so that the
// benchmark measures the program and not the fake; the bytes handed out are
// counted, as what the program asked Windows to collect.
class SnapshotRegistry : public fake::FakeRegistry {
 public:
  SnapshotRegistry() {
    const Machine& machine = TheMachine();
    SetMultiStringValue(kPerflib009, "Counter", ToMultiStrings(machine.titles.counter));
    SetMultiStringValue(kPerflib009, "Help", ToMultiStrings(machine.titles.help));
  }
  void NextSnapshot() { current_ = (current_ + 1) % TheMachine().snapshots.size(); }
  std::uint64_t BytesAnswered() const { return bytesAnswered_; }

  long QueryValueEx(win::RegKey key, const std::string& valueName, std::uint8_t* data,
                    std::uint32_t* size) override {
    if (key != win::kHKeyPerformanceData)
      return FakeRegistry::QueryValueEx(key, valueName, data, size);
    auto [answer, isNew] = answers_.try_emplace({current_, valueName});
    if (isNew) answer->second = AnswerPerfQuery(TheMachine().snapshots[current_], valueName);
    const std::vector<std::uint8_t>& bytes = answer->second;
    if (data == nullptr || *size < bytes.size()) return win::kErrorMoreData;
    std::memcpy(data, bytes.data(), bytes.size());
    *size = static_cast<std::uint32_t>(bytes.size());
    bytesAnswered_ += bytes.size();
    return win::kErrorSuccess;
  }

 private:
  std::size_t current_ = 0;
  std::map<std::pair<std::size_t, std::string>, std::vector<std::uint8_t>> answers_;
  std::uint64_t bytesAnswered_ = 0;
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

// The program's performance components in the steady state of the window:
// the processor meter sharing the monitors' query, the internal monitor's
// disk and network counters by title index, and one Custom counter whose
// instances are keyed by their ids, the chosen one found by name and key.
class SamplingWindow {
 public:
  SamplingWindow(std::uint32_t customObject, const std::string& key)
      : context_(registry_, clock_),
        meter_(registry_, system_),
        custom_(context_),
        internal_(context_) {
    TPerfMonitorItem& item = custom_.Items().Add();
    item.SetIndexes(static_cast<std::int32_t>(customObject), 6);  // % Processor Time
    item.SetObjectKey(key);
    constexpr std::pair<std::int32_t, std::int32_t> kInternalCounters[] = {
        {234, 218}, {510, 388}, {510, 264}, {510, 506}};
    for (const auto& [object, counter] : kInternalCounters) {
      internal_.Items().Add().SetIndexes(object, counter);
    }
    meter_.ShareQuery(context_);
    Second();  // the first second has no interval yet
    const TPerfMonitorCounterValue& chosen = item.ValueAt(item.RecordCount() / 2);
    chosenName_ = chosen.InstanceName;
    chosenKey_ = chosen.Key;
    item.SampleOnly(chosenName_, chosenKey_);
    adapter_ = internal_.Items()[1].ValueAt(0).InstanceName;
  }

  // One second of both sampling timers; returns the sum of what they draw.
  double Second() {
    clock_.Advance(1000);
    registry_.NextSnapshot();
    meter_.RefreshCpuSample();
    double total = 0;
    for (int i = 0; i < meter_.CpuCount(); ++i) total += meter_.CpuUsage(i);
    custom_.Refresh();
    TPerfMonitorItem& item = custom_.Items()[0];
    if (const auto* record = item.FindRecord(chosenName_, chosenKey_))
      total += item.CalcValue(*record);
    internal_.Refresh();
    TPerfMonitorItem& disk = internal_.Items()[0];
    if (const auto* record = disk.FindRecord("_Total", "")) total += disk.CalcValue(*record) / 1024;
    for (int i = 1; i <= 3; ++i) {
      TPerfMonitorItem& net = internal_.Items()[i];
      if (const auto* record = net.FindRecord(adapter_, "")) total += net.CalcValue(*record) / 1024;
    }
    return total;
  }

  SnapshotRegistry& Registry() { return registry_; }
  int CustomRecords() { return custom_.Items()[0].RecordCount(); }

 private:
  SnapshotRegistry registry_;
  fake::FakeClock clock_;
  fake::FakeSystemInfo system_;
  PerfContext context_;
  CpuMeter meter_;
  TPerfMonitor custom_;
  TPerfMonitor internal_;
  std::string chosenName_, chosenKey_, adapter_;
};

// A whole steady second with the Custom counter on one process.
void SamplingSecond(benchmark::State& state) {
  SamplingWindow window(230, "ID Process");
  double total = 0;
  for (auto _ : state) total += window.Second();
  benchmark::DoNotOptimize(total);
  state.counters["records"] = window.CustomRecords();
}

// The same with the Custom counter on one thread.
void SamplingSecondOnThread(benchmark::State& state) {
  SamplingWindow window(kThreadObject, "ID Process;ID Thread");
  double total = 0;
  for (auto _ : state) total += window.Second();
  benchmark::DoNotOptimize(total);
  state.counters["records"] = window.CustomRecords();
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
BENCHMARK(SamplingSecondOnThread)->Unit(benchmark::kMicrosecond);
BENCHMARK(TitlesAndObjectList)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration)
        times_[run.benchmark_name()] = run.GetAdjustedRealTime();
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

// The bytes one steady second asks Windows for against the "Global"
// snapshot, with the Custom counter on one process.
double PerSecondQueryShare() {
  SamplingWindow window(230, "ID Process");
  const std::uint64_t before = window.Registry().BytesAnswered();
  constexpr int kSeconds = 10;
  for (int i = 0; i < kSeconds; ++i) window.Second();
  const double perSecond =
      static_cast<double>(window.Registry().BytesAnswered() - before) / kSeconds;
  return perSecond / static_cast<double>(TheMachine().snapshots[0].size());
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
  const double threadShare = static_cast<double>(machine.threadObjectBytes) /
                             static_cast<double>(machine.snapshots[0].size());
  std::cout << "Per-second query / Global: " << PerSecondQueryShare() << " (goal 0.05)\n";
  std::cout << "Sampling second / linear pass: " << reporter.Time("SamplingSecond") / linear
            << " (goal 0.25)\n";
  std::cout << "Sampling second on Thread / linear pass: "
            << reporter.Time("SamplingSecondOnThread") / linear
            << " (goal: a linear pass over the Thread object alone, " << threadShare << ")\n";
  std::cout << "Titles and object list / linear pass: "
            << reporter.Time("TitlesAndObjectList") / linear << " (goal 50)\n";
  benchmark::Shutdown();
  return 0;
}
