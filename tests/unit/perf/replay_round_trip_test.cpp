#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>

#include "perf/perf_counters.h"
#include "perf/perf_monitor.h"
#include "perf/perf_objects.h"
#include "perf/testing/machine_model.h"
#include "perf_test_bed.h"

namespace haltwise::perftest {
namespace {

using ReplayRoundTripTest = PerfTestBed;

// The generator's quiet scenario, replayed through the monitors the way the
// program's sampler reads them: the loads fall quiet after the chosen second.
TEST_F(ReplayRoundTripTest, TheQuietScenarioFallsQuietWhenReplayed) {
  MachineOptions options;
  options.scenario = Scenario::Quiet;
  options.quietAfter = 5;
  MachineModel machine(options);
  TempReplayFile file;
  {
    std::ofstream out(file.Path(), std::ios::binary);
    ReplayWriter writer(out, machine.Titles().counter, machine.Titles().help);
    for (int i = 0; i < 10; ++i) writer.AppendRecord(WritePerfBlock(machine.NextSnapshot()));
  }

  PerfContext& context = Context(file.Path());
  TPerfMonitor monitor(context);
  TPerfTitles titles(context);
  auto watch = [&](const char* object, const char* counter) -> TPerfMonitorItem& {
    TPerfMonitorItem& item = monitor.Items().Add();
    item.SetObjectName(titles.NameByIndex(object));
    item.SetCounterName(titles.NameByIndex(counter));
    return item;
  };
  TPerfMonitorItem& disk = watch("234", "218");
  TPerfMonitorItem& received = watch("510", "264");
  TPerfMonitorItem& sent = watch("510", "506");
  TPerfMonitorItem& total = watch("510", "388");
  TPerfMonitorItem& cpu = watch("238", "6");
  TPerfMonitorItem& gauge = monitor.Items().Add();
  gauge.SetObjectName("Counter Type Samples");
  gauge.SetCounterName("Gauge");

  auto kilobytes = [&](TPerfMonitorItem& item, int index) {
    return item.CalcValue(item.ValueAt(index)) / 1024;
  };
  for (int second = 0; second < 10; ++second) {
    monitor.Refresh();
    NextSecond();
    if (second == 0) continue;  // the first sample has no interval
    const double diskRate = kilobytes(disk, disk.InstanceCount() - 1);
    const double busy = cpu.CalcValue(cpu.ValueAt(cpu.InstanceCount() - 1));
    SCOPED_TRACE(second);
    if (second < 5) {
      EXPECT_GT(diskRate, 100);
      EXPECT_GT(kilobytes(received, 0), 50);
      EXPECT_GT(busy, 10);
    } else {
      EXPECT_LT(diskRate, 1);
      EXPECT_LT(kilobytes(received, 0), 1);
      EXPECT_LT(kilobytes(sent, 0), 1);
      EXPECT_LT(kilobytes(total, 0), 1);
      EXPECT_GE(busy, 5);
      EXPECT_LE(busy, 10);
      EXPECT_GE(gauge.CalcValue(gauge.ValueAt(0)), 5);
      EXPECT_LE(gauge.CalcValue(gauge.ValueAt(0)), 10);
    }
  }
  EXPECT_EQ(disk.ValueAt(0).InstanceName, "0 C:");
  EXPECT_EQ(disk.ValueAt(1).InstanceName, "_Total");
}

// Every counter of the type samples can be sampled; all but the base and
// text ones computed.
TEST_F(ReplayRoundTripTest, EveryCounterTypeOfTheGeneratorCanBeSampled) {
  MachineModel machine(MachineOptions{});
  std::vector<std::vector<std::uint8_t>> snapshots;
  for (int i = 0; i < 2; ++i) snapshots.push_back(WritePerfBlock(machine.NextSnapshot()));
  const TitleTables& tables = machine.Titles();
  SetTitles("009", tables.counter, tables.help);
  block = snapshots[0];
  PerfContext& context = Context();
  TPerfCounters counters(context);
  counters.SetObjectName("Counter Type Samples");
  // One monitor per counter, so that one counter's error stops no other.
  std::vector<std::unique_ptr<TPerfMonitor>> monitors;
  for (int i = 0; i < counters.Count(); ++i) {
    monitors.push_back(std::make_unique<TPerfMonitor>(context));
    TPerfMonitorItem& item = monitors.back()->Items().Add();
    item.SetObjectName("Counter Type Samples");
    item.SetCounterName(counters.Names(i));
  }
  int computed = 0, refused = 0;
  for (int second = 0; second < 2; ++second) {
    block = snapshots[static_cast<std::size_t>(second)];
    for (auto& monitor : monitors) {
      TPerfMonitorItem& item = monitor->Items()[0];
      try {
        monitor->Refresh();
        const double value = item.CalcValue(item.ValueAt(0));
        EXPECT_TRUE(std::isfinite(value)) << item.CounterName();
        computed += second;
      } catch (const Error&) {
        refused += second;
      }
    }
    NextSecond();
  }
  EXPECT_EQ(computed, 40 - 8);
  EXPECT_EQ(refused, 8) << "six base counters, a text and a no-data counter";
}

TEST(MachineModel, TheBigScenarioIsAboutFiveMegabytesWithFiveThousandThreads) {
  MachineOptions options;
  options.scenario = Scenario::Big;
  MachineModel machine(options);
  const auto snapshot = WritePerfBlock(machine.NextSnapshot());
  EXPECT_NEAR(static_cast<double>(snapshot.size()), 5.0 * 1024 * 1024, 0.3 * 1024 * 1024);
  EXPECT_EQ(machine.ThreadCount(), 5000);
  EXPECT_GE(machine.Titles().counter.size(), 9800u);
  EXPECT_EQ(machine.Titles().counter.size(), machine.Titles().help.size());
}

}  // namespace
}  // namespace haltwise::perftest
