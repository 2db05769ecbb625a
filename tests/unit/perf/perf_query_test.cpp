// What the program asks Windows for: once a second one query of the watched
// objects, shared by the processor meter and the monitors; "Global" only
// while every object is listed; and one buffer growth for every query.
#include "perf/perf_query.h"

#include <gtest/gtest.h>

#include <fstream>

#include "perf/cpu/cpu_meter.h"
#include "perf/perf_data.h"
#include "perf/perf_monitor.h"
#include "perf/perf_objects.h"
#include "perf_machine_fixture.h"
#include "platform/fake/fake_system_info.h"

namespace haltwise::perftest {
namespace {

using namespace perf;

class PerfQueryTest : public PerfTestBed {
 protected:
  PerfQueryTest() { Serve(0); }

  // The small machine with two processors besides, `tick` seconds on; the
  // processors are idle a quarter of each second.
  void Serve(int tick) {
    std::vector<ObjectSpec> objects = SmallMachine(static_cast<std::uint64_t>(tick));
    const auto idle = static_cast<std::uint64_t>(tick) * 2'500'000;
    objects.push_back(ObjectWithInstances(238, {Counter(6, kPerf100nsecTimerInv)},
                                          {{"0", {idle}}, {"1", {idle}}, {"_Total", {idle}}}));
    block = Block(objects, tick);
  }

  // Moves the machine and the clock on by a second.
  void Tick(int tick) {
    Serve(tick);
    NextSecond();
  }

  // The value names asked of the performance key since the last call.
  std::vector<std::string> TakeQueries() {
    std::vector<std::string> names;
    for (const fake::Call& call : registry.Calls()) {
      if (call.name == "RegQueryValueEx" && call.arguments.rfind("HKPD ", 0) == 0) {
        names.push_back(call.arguments.substr(5));
      }
    }
    registry.ClearCalls();
    return names;
  }

  static TPerfMonitorItem& Watch(TPerfMonitor& monitor, const std::string& object,
                                 const std::string& counter) {
    TPerfMonitorItem& item = monitor.Items().Add();
    item.SetObjectName(object);
    item.SetCounterName(counter);
    return item;
  }

  fake::FakeSystemInfo system;
};

TEST_F(PerfQueryTest, OneQueryASecondOfTheWatchedObjectsServesTheMeterAndTheMonitors) {
  PerfContext& context = Context();
  TPerfMonitor custom(context);
  TPerfMonitorItem& process = Watch(custom, "Process", "% Processor Time");
  TPerfMonitor internal(context);
  internal.Items().Add().SetIndexes(234, 218);
  CpuMeter meter(registry, system);
  meter.ShareQuery(context);
  EXPECT_EQ(TakeQueries(), (std::vector<std::string>{"230", "230 234"}))
      << "each object as it is named";

  for (int second = 1; second <= 3; ++second) {
    Tick(second);
    meter.RefreshCpuSample();
    custom.Refresh();
    internal.Refresh();
    EXPECT_EQ(TakeQueries(), std::vector<std::string>{"230 234 238"}) << "second " << second;
  }
  EXPECT_DOUBLE_EQ(meter.CpuUsage(2), 0.75);
  EXPECT_EQ(process.InstanceCount(), 3);
  EXPECT_EQ(context.SharedPerfData()->Block().NumObjectTypes(), 3u) << "just what was asked";

  // Without an item the monitor's object is no longer asked for.
  custom.Items().Clear();
  Tick(4);
  internal.Refresh();
  EXPECT_EQ(TakeQueries(), std::vector<std::string>{"234 238"});
}

// A sample taken twice from one snapshot has no interval of its own: the
// meter and the monitors keep the last one rather than read no load at all.
TEST_F(PerfQueryTest, ASnapshotSampledAlreadyKeepsTheLastInterval) {
  PerfContext& context = Context();
  TPerfMonitor monitor(context);
  TPerfMonitorItem& item = Watch(monitor, "System", "File Read Operations/sec");
  CpuMeter meter(registry, system);
  meter.ShareQuery(context);
  for (int second = 1; second <= 2; ++second) {
    Tick(second);
    meter.RefreshCpuSample();
    monitor.Refresh();
  }
  ASSERT_DOUBLE_EQ(meter.CpuUsage(0), 0.75);
  ASSERT_DOUBLE_EQ(item.CalcValue(item.ValueAt(0)), 500);
  TakeQueries();

  clock.Advance(400);  // the other timer of the same second
  meter.RefreshCpuSample();
  monitor.Refresh();
  EXPECT_DOUBLE_EQ(meter.CpuUsage(0), 0.75);
  EXPECT_DOUBLE_EQ(item.CalcValue(item.ValueAt(0)), 500);
  EXPECT_TRUE(TakeQueries().empty());
}

TEST_F(PerfQueryTest, EveryObjectWhileTheFullListIsWantedAndOnlyThen) {
  PerfContext& context = Context();
  TPerfObjects objects(context);
  TPerfMonitor internal(context);
  {
    const PerfContext::FullObjectList listing(context);
    EXPECT_EQ(objects.Count(), 5);
    internal.Items().Add().SetIndexes(234, 218);
  }
  Tick(1);
  internal.Refresh();
  EXPECT_EQ(objects.Count(), 1);
  EXPECT_EQ(TakeQueries(), (std::vector<std::string>{"Global", "234"}));

  // Choosing among every object again reads them all at once, whatever
  // second it is, and only once.
  clock.Advance(300);
  {
    const PerfContext::FullObjectList choosing(context);
    EXPECT_EQ(objects.Count(), 5);
    const PerfContext::FullObjectList nested(context);
    internal.Refresh();
  }
  EXPECT_EQ(TakeQueries(), std::vector<std::string>{"Global"});
}

TEST_F(PerfQueryTest, AnObjectNamedBetweenReadsIsAskedForAtOnce) {
  PerfContext& context = Context();
  TPerfMonitor monitor(context);
  Watch(monitor, "System", "File Read Operations/sec");
  Tick(1);
  monitor.Refresh();
  TakeQueries();

  TPerfMonitorItem& process = Watch(monitor, "Process", "ID Process");
  EXPECT_EQ(TakeQueries(), std::vector<std::string>{"2 230"});
  monitor.Refresh();
  EXPECT_EQ(process.InstanceCount(), 3);

  // An object this machine does not have is not asked for again and again.
  TPerfMonitorItem& processor = monitor.Items().Add();
  EXPECT_THROW(processor.SetIndexes(1450, 1452), Error);
  EXPECT_THROW(processor.SetIndexes(1450, 1452), Error);
  EXPECT_EQ(TakeQueries(), std::vector<std::string>{"2 230 1450"});
}

TEST_F(PerfQueryTest, AReplayedContextIsNotSharedAndKeepsOneRecordASecond) {
  TempReplayFile file;
  {
    std::ofstream out(file.Path(), std::ios::binary);
    ReplayWriter writer(out, MakeTitleTables(0).counter, {});
    for (int second = 0; second < 3; ++second) {
      Serve(second);
      writer.AppendRecord(block);
    }
  }
  Serve(0);
  PerfContext& context = Context(file.Path());
  TPerfMonitor monitor(context);
  TPerfMonitorItem& item = Watch(monitor, "System", "File Read Operations/sec");
  CpuMeter meter(registry, system);
  meter.ShareQuery(context);
  {
    const PerfContext::FullObjectList listing(context);  // replays have every object
  }
  for (int second = 1; second <= 2; ++second) {
    NextSecond();
    meter.RefreshCpuSample();
    monitor.Refresh();
  }
  EXPECT_EQ(item.ValueAt(0).CurValue, 1000u) << "the third record, two seconds on";
  EXPECT_EQ(TakeQueries(), (std::vector<std::string>{"238", "238"}))
      << "the meter measures this machine";
}

// A registry that always wants more.
class EndlessRegistry : public fake::FakeRegistry {
 public:
  long QueryValueEx(win::RegKey, const std::string&, std::uint8_t*, std::uint32_t*) override {
    ++queries;
    return win::kErrorMoreData;
  }
  int queries = 0;
};

TEST(PerfQuery, TheBufferDoublesUpTo64MiBAndNoFurther) {
  const std::string tooLarge = "The performance data \"238\" is larger than 64 MiB";
  EndlessRegistry endless;
  std::vector<std::uint8_t> buffer;
  EXPECT_EQ(ErrorOf([&] { QueryPerformanceData(endless, "238", buffer); }), tooLarge);
  EXPECT_EQ(endless.queries, 14) << "8 KiB doubled 13 times is 64 MiB";
  EXPECT_EQ(buffer.size(), kMaxPerfDataBytes);

  // The processor meter's own query and the shared snapshot grow alike.
  fake::FakeSystemInfo system;
  CpuMeter meter(endless, system);
  EXPECT_EQ(ErrorOf([&] { meter.RefreshCpuSample(); }), tooLarge);
  fake::FakeClock clock;
  PerfContext context(endless, clock);
  EXPECT_EQ(ErrorOf([&] { context.AcquirePerfData(); }),
            "The performance data \"Global\" is larger than 64 MiB");
}

TEST(PerfQuery, AQueryNamesEachObjectOnce) {
  EXPECT_EQ(ObjectListQuery({238, 234, 510, 238, 230, 510}), "238 234 510 230");
  EXPECT_EQ(ObjectListQuery({}), "");
}

}  // namespace
}  // namespace haltwise::perftest
