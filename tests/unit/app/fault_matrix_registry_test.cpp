// Every registry call of the program made to fail in turn: the performance
// titles and data, the processor meter's queries on both Windows families,
// and the event source's key. For each, what the user sees, what the event
// log holds, and that a watch still falls due afterwards.
#include "fault_matrix_fixture.h"
#include "perf/perf_layout.h"
#include "perf/testing/perf_block_writer.h"

namespace haltwise::testing {
namespace {

using RegistryFaults = FaultMatrixFixture;

TEST_F(RegistryFaults, EachCallFailingInTurn) {
  struct Cell {
    const char* call;
    const char* argument;  // the part of the call's arguments that picks it
    long error;
    bool win9x;
    std::vector<std::string> boxes;  // before the second watch's test message
    std::vector<std::string> log;
  };
  const std::string shutdownNt = "Shutdown,20260601,120004";
  const std::string shutdown9x = "Shutdown at 20260601,120004";
  const Cell cells[] = {
      // No title tables: the first activation fails, the disk and network
      // sampler never starts.
      {"RegOpenKeyEx",
       "PERFLIB access",
       win::kErrorAccessDenied,
       false,
       {"default: List index out of bounds (0)"},
       {shutdownNt}},
      {"RegEnumKeyEx",
       "PERFLIB",
       win::kErrorAccessDenied,
       false,
       {"default: Access is denied."},
       {shutdownNt}},
      // An unreadable table is empty: the lists have no names, but the disk
      // and network counters are found by their title indexes.
      {"RegOpenKeyEx", "PERFLIB\\009", win::kErrorFileNotFound, false, {}, {shutdownNt}},
      {"RegQueryInfoKey", "009", win::kErrorAccessDenied, false, {}, {shutdownNt}},
      {"RegQueryValueEx", "009 Counter", win::kErrorAccessDenied, false, {}, {shutdownNt}},
      // Without help texts only the hints are empty.
      {"RegQueryValueEx", "009 Help", win::kErrorAccessDenied, false, {}, {shutdownNt}},
      // No performance data: the internal monitor finds no disk counter.
      {"RegQueryValueEx",
       "HKPD Global",
       win::kErrorAccessDenied,
       false,
       {"default: Invalid performance counter name : Disk Bytes/sec"},
       {shutdownNt}},
      // The processor meter falls back on the system times.
      {"RegQueryValueEx", "HKPD 238", win::kErrorAccessDenied, false, {}, {shutdownNt}},
      // The 9x kernel statistic: the CPU graph stops for good.
      {"RegOpenKeyEx",
       "STARTSTAT",
       win::kErrorAccessDenied,
       true,
       {"message: Unable to start performance monitoring", "message: CPU Monitoring Disabled."},
       {shutdown9x}},
      {"RegOpenKeyEx",
       "STATDATA",
       win::kErrorAccessDenied,
       true,
       {"message: Unable to read performance data", "message: CPU Monitoring Disabled."},
       {shutdown9x}},
      {"RegQueryValueEx", "CPUUsage", win::kErrorAccessDenied, true, {}, {shutdown9x}},
      // An event source key that cannot be read: no entry, but the action
      // goes ahead all the same.
      {"RegOpenKeyEx",
       "EVENTLOG",
       win::kErrorAccessDenied,
       false,
       {"error: TEventLog - Application registration fail, error code: 5"},
       {}},
      // One that cannot be created: Windows takes entries from it anyway.
      {"RegCreateKeyEx", "EVENTLOG", win::kErrorAccessDenied, false, {}, {shutdownNt}},
      {"RegCloseKey", "", win::kErrorInvalidHandle, false, {}, {shutdownNt}},
  };
  for (const Cell& cell : cells) {
    SCOPED_TRACE(std::string(cell.call) + " " + cell.argument);
    NewCell();
    systemInfo.platformId = cell.win9x ? 1 : 2;
    systemInfo.version = cell.win9x ? 0x80000A04 : 0x23F00206;
    registry.CreateKey("HKDD\\PerfStats\\StartStat");
    registry.CreateKey("HKDD\\PerfStats\\StopStat");
    registry.SetDwordValue("HKDD\\PerfStats\\StatData", "KERNEL\\CPUUsage", 37);
    registry.FailCall(cell.call, cell.error, -1, cell.argument);

    StartAndRunTwoWatches();

    std::vector<std::string> boxes = cell.boxes;
    boxes.push_back(kFollowUpMessage);
    EXPECT_EQ(Boxes(), boxes);
    EXPECT_EQ(LogTexts(), cell.log);
    EXPECT_EQ(power.CountCalls("ExitWindowsEx"), 1);
    DestroyWindow();
    if (std::string(cell.call) != "RegCloseKey") ExpectNothingLeftOpen();
  }
}

// The Processor object alone, one instance, its idle time at `second`.
std::vector<std::uint8_t> ProcessorBlock(std::uint16_t second, std::uint64_t idle) {
  perftest::BlockSpec block;
  block.systemTime.second = second;
  perftest::ObjectSpec processor;
  processor.nameIndex = perftest::titles::kProcessor;
  processor.counters = {{perftest::titles::kProcessorTime, 0, perf::kPerf100nsecTimerInv, {}}};
  processor.instances = std::vector<perftest::InstanceSpec>{{"0", {idle}}};
  block.objects = {processor};
  return perftest::WritePerfBlock(block);
}

// Counters that run backwards, or a broken 9x statistic, are no usage
// outside 0 to 100 %: the graph and the idle test see the nearest bound.
TEST_F(RegistryFaults, ProcessorDataThatLiesIsDrawnBetweenNoAndFullLoad) {
  struct Case {
    const char* name;
    bool win9x;
    std::vector<std::uint64_t> samples;  // idle times (100 ns), or 9x percentages
    std::int64_t drawn;
  };
  constexpr std::uint64_t kSecond = 10000000;
  const Case cases[] = {
      {"idle time running backwards", false, {5 * kSecond, 0}, 100},
      {"more idle time than time", false, {0, 5 * kSecond}, 0},
      {"an honest half-idle second", false, {0, kSecond / 2}, 50},
      {"a 9x statistic of 4294967295 %", true, {0xFFFFFFFF, 0xFFFFFFFF}, 100},
      {"a 9x statistic of 37 %", true, {37, 37}, 37},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NewCell();
    systemInfo.platformId = c.win9x ? 1 : 2;
    registry.CreateKey("HKDD\\PerfStats\\StartStat");
    std::size_t next = 0;
    registry.SetPerformanceProvider([&](const std::string&) {
      const std::size_t at = std::min(next++, c.samples.size() - 1);
      return ProcessorBlock(static_cast<std::uint16_t>(at), c.samples[at]);
    });
    Recreate("");
    for (std::uint64_t sample : c.samples) {
      registry.SetDwordValue("HKDD\\PerfStats\\StatData", "KERNEL\\CPUUsage",
                             static_cast<std::uint32_t>(sample));
      AdvanceSeconds(1);
    }
    EXPECT_TRUE(form->tmrCpu.Enabled());
    EXPECT_EQ(form->lgCPU.Value(form->lgCPU.ValuesCount() - 1), c.drawn);
  }
}

}  // namespace
}  // namespace haltwise::testing
