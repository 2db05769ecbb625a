#include <gtest/gtest.h>

#include <algorithm>

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
  EXPECT_EQ(computed, 46 - 14);
  EXPECT_EQ(refused, 14) << "twelve base counters, a text and a no-data counter";
}

// Instance names of object `index` in a generated snapshot.
std::vector<std::string> InstanceNames(const BlockSpec& block, std::uint32_t index) {
  std::vector<std::string> names;
  for (const ObjectSpec& object : block.objects) {
    if (object.nameIndex != index || !object.instances) continue;
    for (const InstanceSpec& instance : *object.instances) names.push_back(instance.name);
  }
  return names;
}

TEST(MachineModel, MachinesAsWindowsReportsThem) {
  MachineOptions options;
  options.wifiGoneFrom = 2;
  options.wifiBackAt = 4;
  options.vpnFrom = 3;
  options.usbDiskFrom = 1;
  MachineModel machine(options);
  std::vector<BlockSpec> blocks;
  for (int i = 0; i < 5; ++i) blocks.push_back(machine.NextSnapshot());

  EXPECT_EQ(blocks[0].perfFreq, 3579545);
  const auto processes = InstanceNames(blocks[0], titles::kProcess);
  EXPECT_EQ(std::count(processes.begin(), processes.end(), "svchost"), 40);
  EXPECT_EQ(processes.back(), "_Total");
  EXPECT_EQ(InstanceNames(blocks[0], titles::kProcessor).back(), "_Total");
  const auto threads = InstanceNames(blocks[0], titles::kThread);
  EXPECT_EQ(std::vector<std::string>(threads.begin(), threads.begin() + 3),
            (std::vector<std::string>{"0", "1", "2"}));

  EXPECT_EQ(InstanceNames(blocks[0], titles::kPhysicalDisk),
            (std::vector<std::string>{"0 C:", "_Total"}));
  EXPECT_EQ(InstanceNames(blocks[1], titles::kPhysicalDisk),
            (std::vector<std::string>{"0 C:", "_Total", "1 E:"}))
      << "a disk plugged in later comes after \"_Total\"";

  const std::vector<std::string> adapters[] = {InstanceNames(blocks[1], titles::kNetworkInterface),
                                               InstanceNames(blocks[2], titles::kNetworkInterface),
                                               InstanceNames(blocks[3], titles::kNetworkInterface),
                                               InstanceNames(blocks[4], titles::kNetworkInterface)};
  const std::string hyperV = "Hyper-V Virtual Ethernet Adapter";
  EXPECT_EQ(adapters[0], (std::vector<std::string>{kEthernetAdapter, kWifiAdapter, hyperV}));
  EXPECT_EQ(adapters[1], (std::vector<std::string>{kEthernetAdapter, hyperV}));
  EXPECT_EQ(adapters[2], (std::vector<std::string>{kEthernetAdapter, hyperV, kVpnAdapter}));
  EXPECT_EQ(adapters[3],
            (std::vector<std::string>{kEthernetAdapter, kWifiAdapter, hyperV, kVpnAdapter}));

  const TitleTables german = LocalizedTitleTables(machine.Titles(), "007");
  const TitleTables chinese = LocalizedTitleTables(machine.Titles(), "004");
  auto title = [](const TitleTables& tables, const std::string& index) {
    for (const auto& [i, t] : tables.counter) {
      if (i == index) return t;
    }
    return std::string();
  };
  EXPECT_EQ(title(german, "238"), "Prozessor");
  EXPECT_EQ(title(chinese, "510"), "\u7f51\u7edc\u63a5\u53e3");
  EXPECT_EQ(title(german, "7002"), "Raw Count") << "untranslated titles stay English";
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
