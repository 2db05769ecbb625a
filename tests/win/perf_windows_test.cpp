#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "perf/perf_context.h"
#include "perf/perf_counters.h"
#include "perf/perf_monitor.h"
#include "perf/perf_objects.h"
#include "perf/perf_titles.h"
#include "perf/testing/machine_model.h"
#include "perf/testing/replay_writer.h"
#include "platform/error.h"
#include "platform/fake/fake_clock.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_registry.h"

namespace haltwise {
namespace {

using namespace perftest;

// Whatever the performance key of this system holds (Wine's may hold little),
// the snapshot is read and every object and counter definition can be walked.
TEST(PerfOnWindows, ReadsAndWalksTheRealPerformanceKey) {
  Win32Registry registry;
  Win32Clock clock;
  PerfContext context(registry, clock);
  TPerfObjects objects(context);
  const int count = objects.Count();
  EXPECT_GE(count, 0);
  TPerfCounters counters(context);
  for (int i = 0; i < count; ++i) {
    const perf::PerfObjectType object = objects.Objects(i);
    EXPECT_GE(object.TotalByteLength, object.DefinitionLength);
    const std::string name = objects.Names(i);
    if (name.empty() || objects.IndexOf(name) != i) continue;  // untitled, or a title met earlier
    counters.SetObjectName(name);
    for (int c = 0; c < counters.Count(); ++c) counters.Counters(c);
  }
  const TPerfData* data = context.SharedPerfData();
  ASSERT_NE(data, nullptr);
  EXPECT_GE(data->BufferSize(), TPerfData::kInitialBufferSize);
  if (!data->Block().Empty()) {
    EXPECT_TRUE(data->Block().BlockSystemTime().has_value());
  }
}

// The Perflib key lists "009"; its tables load without error, and where the
// system has titles (Windows has, Wine's tables may be empty) they are the
// standard English ones.
TEST(PerfOnWindows, ReadsTheTitleTablesOfThePerflibKey) {
  Win32Registry registry;
  Win32Clock clock;
  PerfContext context(registry, clock);
  TPerfTitles titles(context);
  TPerfHelps helps(context);
  const auto& languages = titles.Languages();
  EXPECT_NE(std::find(languages.begin(), languages.end(), "009"), languages.end());
  titles.SetLocaleID("009");
  helps.SetLocaleID("009");
  const std::string processor = titles.NameByIndex("238");
  helps.NameByIndex("239");
  if (!titles.InfoData()->TitleTexts().empty()) {
    EXPECT_EQ(processor, "Processor");
    EXPECT_EQ(titles.IndexByName("processor"), "238");
    EXPECT_EQ(titles.NameByIndex("6"), "% Processor Time");
  } else {
    EXPECT_EQ(processor, "");
    EXPECT_EQ(titles.IndexByName("Processor"), "-1");
  }
}

// A replay file on a Windows file system: the snapshots come from its records
// while its title tables are opened again beside the open file.
TEST(PerfOnWindows, ReplaysAGeneratedFile) {
  MachineOptions options;
  options.scenario = Scenario::Quiet;
  options.quietAfter = 3;
  MachineModel machine(options);
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "haltwise_perf_dump.dat";
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    ReplayWriter writer(out, machine.Titles().counter, machine.Titles().help);
    for (int i = 0; i < 6; ++i) writer.AppendRecord(WritePerfBlock(machine.NextSnapshot()));
  }
  {
    Win32Registry registry;
    fake::FakeClock clock;
    PerfContext context(registry, clock, path);
    TPerfTitles titles(context);
    TPerfMonitor monitor(context);
    TPerfMonitorItem& disk = monitor.Items().Add();
    disk.SetObjectName(titles.NameByIndex("234"));
    disk.SetCounterName(titles.NameByIndex("218"));
    EXPECT_EQ(disk.ObjectName(), "PhysicalDisk");
    std::vector<double> kilobytes;
    for (int second = 0; second < 8; ++second) {
      monitor.Refresh();
      kilobytes.push_back(disk.CalcValue(disk.ValueAt(disk.InstanceCount() - 1)) / 1024);
      clock.Advance(1000);
    }
    EXPECT_GT(kilobytes[1], 100);
    EXPECT_LT(kilobytes[4], 1);
    EXPECT_EQ(kilobytes[7], 0) << "the last snapshot stays: no time passes in it";
  }
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace haltwise
