#include "perf/perf_monitor.h"

#include <gtest/gtest.h>

#include "perf/perf_counter_item.h"
#include "perf_machine_fixture.h"

namespace haltwise::perftest {
namespace {

using namespace perf;

class PerfMonitorTest : public PerfTestBed {
 protected:
  PerfMonitorTest() { block = Block(SmallMachine(0), 0); }

  TPerfMonitorItem& Watch(TPerfMonitor& monitor, const std::string& object,
                          const std::string& counter) {
    TPerfMonitorItem& item = monitor.Items().Add();
    item.SetObjectName(object);
    item.SetCounterName(counter);
    return item;
  }

  // The next snapshot: one second later, the machine `tick` seconds on.
  void Tick(int tick, std::vector<ObjectSpec> objects = {}) {
    block = Block(objects.empty() ? SmallMachine(static_cast<std::uint64_t>(tick)) : objects, tick);
    NextSecond();
  }

  static std::vector<std::string> Names(TPerfMonitorItem& item) {
    std::vector<std::string> names;
    for (int i = 0; i < item.RecordCount(); ++i) {
      names.push_back(item.ValueAt(i).InstanceName + "#" + item.ValueAt(i).Key);
    }
    return names;
  }
};

TEST_F(PerfMonitorTest, SampleTimesComeFromTheSnapshots) {
  TPerfMonitor monitor(Context());
  monitor.Refresh();
  std::int64_t noon = 0;
  SystemTimeToFileTime({2026, 6, 1, 1, 12, 0, 0, 0}, &noon);
  EXPECT_EQ(monitor.SampleTime(), noon);
  EXPECT_EQ(monitor.SinceLast(), noon) << "the first refresh has no previous time";
  EXPECT_EQ(monitor.SinceFirst(), 0);

  Tick(3);
  monitor.Refresh();
  EXPECT_EQ(monitor.PrevSampleTime(), noon);
  EXPECT_EQ(monitor.FirstSampleTime(), noon);
  EXPECT_EQ(monitor.SinceLast(), 30000000);
  clock.Advance(200);
  monitor.Refresh();  // within the second: the same snapshot, and no new interval
  EXPECT_EQ(monitor.SinceLast(), 30000000);
  EXPECT_EQ(monitor.SinceFirst(), 30000000);
}

TEST_F(PerfMonitorTest, RatesOfAnObjectWithoutInstances) {
  TPerfMonitor monitor(Context());
  TPerfMonitorItem& item = Watch(monitor, "System", "File Read Operations/sec");
  monitor.Refresh();
  // A new single record is sampled twice from one snapshot: its rate starts at 0.
  EXPECT_EQ(item.CalcValue(item.ValueAt(0)), 0);
  EXPECT_EQ(item.ValueAt(5).SampleCount, 2) << "the one record, whatever the index";
  Tick(2);
  monitor.Refresh();
  EXPECT_DOUBLE_EQ(item.CalcValue(item.ValueAt(0)), 500);  // 1000 more in 2 seconds
  EXPECT_EQ(item.CounterUnits(), "/sec");
  clock.Advance(100);
  monitor.Refresh();
  EXPECT_DOUBLE_EQ(item.CalcValue(item.ValueAt(0)), 500)
      << "no new snapshot: the last interval's rate stands, not a rate of 0";
}

TEST_F(PerfMonitorTest, ProcessesSharingANameAreToldApartByTheirKey) {
  TPerfMonitor monitor(Context());
  TPerfMonitorItem& item = Watch(monitor, "Process", "% Processor Time");
  item.SetObjectKey("ID Process");
  monitor.Refresh();
  EXPECT_EQ(Names(item), (std::vector<std::string>{"svchost#100", "svchost#200", "Idle#0"}));
  Tick(1);
  monitor.Refresh();
  EXPECT_DOUBLE_EQ(item.CalcValue(item.ValueAt(1)), 20) << "2000000 of 10000000 ticks";

  // The first svchost ends: its record goes, the later ones move down.
  auto objects = SmallMachine(2);
  objects[0].instances->erase(objects[0].instances->begin());
  Tick(2, objects);
  monitor.Refresh();
  EXPECT_EQ(Names(item), (std::vector<std::string>{"svchost#200", "Idle#0"}));
  EXPECT_EQ(item.ValueAt(0).SampleCount, 3);
}

TEST_F(PerfMonitorTest, WithoutAKeyProcessesSharingANameShareOneRecord) {
  TPerfMonitor monitor(Context());
  TPerfMonitorItem& item = Watch(monitor, "Process", "ID Process");
  monitor.Refresh();
  EXPECT_EQ(Names(item), (std::vector<std::string>{"svchost#", "Idle#"}));
  EXPECT_EQ(item.InstanceCount(), 3);
  EXPECT_EQ(item.ValueAt(0).CurValue, 200u) << "the second instance's values replace the first's";
  EXPECT_EQ(item.ValueAt(0).SampleCount, 2);
  EXPECT_EQ(ErrorOf([&] { item.ValueAt(2); }), "List index out of bounds (2)");
}

TEST_F(PerfMonitorTest, ANewInstanceIsAppendedAndStartsFromZero) {
  TPerfMonitor monitor(Context());
  TPerfMonitorItem& item = Watch(monitor, "Process", "Disk Bytes/sec");
  item.SetObjectKey("ID Process");
  monitor.Refresh();
  auto objects = SmallMachine(1);
  objects[0].instances->insert(objects[0].instances->begin(),
                               InstanceSpec{"Haltwise", {0, 300, 1, 4, 3, 9, 0, 12000}, 0, 0});
  Tick(1, objects);
  monitor.Refresh();
  EXPECT_EQ(Names(item).back(), "Haltwise#300");
  // A new record has no interval yet: no rate, rather than its whole count.
  EXPECT_DOUBLE_EQ(item.CalcValue(item.ValueAt(3)), 0);
  EXPECT_DOUBLE_EQ(item.CalcValue(item.ValueAt(0)), 1000);  // 0 -> 1000 in one second
}

// A watch of one thread among thousands reads that thread alone, at its
// last place or wherever it moved; the others keep their last samples.
TEST_F(PerfMonitorTest, TheChosenInstanceIsSampledAloneWhereverItMoves) {
  TPerfMonitor monitor(Context());
  TPerfMonitorItem& item = Watch(monitor, "Thread", "Context Switches/sec");
  item.SetObjectKey("ID Process;ID Thread");
  monitor.Refresh();  // every thread, as the Custom page lists them
  const std::uint32_t othersSamples = item.FindRecord("1", "100;12")->SampleCount;
  item.SampleOnly("0", "200;16");
  Tick(1);
  monitor.Refresh();
  const TPerfMonitorCounterValue* chosen = item.FindRecord("0", "200;16");
  ASSERT_NE(chosen, nullptr);
  EXPECT_DOUBLE_EQ(item.CalcValue(*chosen), 30);
  EXPECT_EQ(item.FindRecord("1", "100;12")->SampleCount, othersSamples);

  // A thread listed before it ends: found where it moved, its interval kept.
  auto objects = SmallMachine(2);
  objects[3].instances->erase(objects[3].instances->begin() + 1);
  Tick(2, objects);
  monitor.Refresh();
  EXPECT_EQ(item.FindRecord("0", "200;16"), chosen);
  EXPECT_DOUBLE_EQ(item.CalcValue(*chosen), 30);

  // Another listed thread chosen later: its rate since it was last sampled.
  item.SampleOnly("1", "100;12");
  Tick(3);
  monitor.Refresh();
  EXPECT_DOUBLE_EQ(item.CalcValue(*item.FindRecord("1", "100;12")), 20);

  // Gone, or a key no instance can have: no record to read.
  objects = SmallMachine(4);
  objects[3].instances->erase(objects[3].instances->begin() + 1);
  Tick(4, objects);
  monitor.Refresh();
  EXPECT_EQ(item.FindRecord("1", "100;12"), nullptr);
  item.SampleOnly("0", "two hundred;16");
  Tick(5);
  monitor.Refresh();
  EXPECT_EQ(item.FindRecord("0", "two hundred;16"), nullptr);
}

TEST_F(PerfMonitorTest, ObjectKeysBuildOneCounterItemPerName) {
  PerfContext& context = Context();
  TPerfMonitor monitor(context);
  TPerfMonitorItem& item = Watch(monitor, "Thread", "Context Switches/sec");
  item.SetObjectKey("ID Process;;ID Thread;");
  EXPECT_EQ(monitor.Filter().Items().Count(), 3);
  EXPECT_EQ(item.ObjectKey(), "ID Process;ID Thread");
  monitor.Refresh();
  EXPECT_EQ(Names(item), (std::vector<std::string>{"0#100;8", "1#100;12", "0#200;16"}));

  EXPECT_EQ(ErrorOf([&] { item.SetObjectKey("ID Process;Nonsense"); }),
            "Invalid performance counter name : Nonsense");
  EXPECT_EQ(item.ObjectKey(), "");
  EXPECT_EQ(monitor.Filter().Items().Count(), 1) << "no key item is left behind";

  monitor.Items().Delete(item);
  EXPECT_EQ(monitor.Filter().Items().Count(), 0);
}

TEST_F(PerfMonitorTest, AnErrorInOneItemEndsTheRefreshThere) {
  TPerfMonitor monitor(Context());
  TPerfMonitorItem& first = Watch(monitor, "System", "Available Bytes");
  Watch(monitor, "Process", "Text");
  TPerfMonitorItem& third = Watch(monitor, "Process", "ID Process");
  EXPECT_EQ(ErrorOf([&] { monitor.Refresh(); }), "Invalid counter block size");
  EXPECT_EQ(first.ValueAt(0).SampleCount, 2);
  EXPECT_EQ(third.RecordCount(), 0);
}

TEST_F(PerfMonitorTest, NamesSetWhileLoadingAreValidatedAtFirstUse) {
  TPerfMonitor monitor(Context());
  monitor.SetLoading(true);
  TPerfMonitorItem& item = Watch(monitor, "Process", "No Such Counter");
  item.SetObjectKey("ID Process");
  EXPECT_EQ(item.ObjectName(), "Process");
  EXPECT_EQ(item.ObjectKey(), "ID Process");
  EXPECT_EQ(monitor.Filter().Items().Count(), 0);
  monitor.SetLoading(false);
  EXPECT_EQ(ErrorOf([&] { monitor.Refresh(); }),
            "Invalid performance counter name : No Such Counter");
  EXPECT_EQ(item.CounterName(), "No Such Counter") << "the counter item keeps the name";
}

TEST_F(PerfMonitorTest, AssignCopiesBothNamesOfAnotherMonitorItem) {
  PerfContext& context = Context();
  TPerfMonitor monitor(context);
  TPerfMonitorItem& source = Watch(monitor, "Process", "ID Process");
  TPerfMonitor copy(context);
  copy.SetItems(monitor.Items());
  ASSERT_EQ(copy.Items().Count(), 1);
  EXPECT_EQ(copy.Items()[0].ObjectName(), "Process");
  EXPECT_EQ(copy.Items()[0].CounterName(), "ID Process");

  TPerfFilter filter(context);
  EXPECT_EQ(ErrorOf([&] { source.Assign(filter.Items().Add()); }), "Incompatible types");
}

TEST_F(PerfMonitorTest, ANewLanguageCreatesAndRenamesEveryItem) {
  SetTitles("007", {{"230", "Prozess"}, {"784", "Prozesskennung"}}, {});
  TPerfMonitor monitor(Context());
  monitor.SetLoading(true);
  monitor.SetLocaleID("009");  // "007" sorts first
  TPerfMonitorItem& item = Watch(monitor, "Process", "ID Process");
  monitor.SetLoading(false);
  monitor.SetLocaleID("007");
  EXPECT_EQ(monitor.LocaleID(), "007");
  EXPECT_EQ(item.ObjectName(), "Prozess");
  EXPECT_EQ(item.CounterName(), "Prozesskennung");
}

}  // namespace
}  // namespace haltwise::perftest
