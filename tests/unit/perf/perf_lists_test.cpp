#include <gtest/gtest.h>

#include "perf/perf_counters.h"
#include "perf/perf_instances.h"
#include "perf/perf_monitor.h"
#include "perf/perf_objects.h"
#include "perf_machine_fixture.h"

namespace haltwise::perftest {
namespace {

class PerfListsTest : public PerfTestBed {
 protected:
  PerfListsTest() {
    auto objects = SmallMachine(0);
    objects.push_back(ObjectWithoutInstances(9998, {}, {}));  // no title
    block = Block(objects);
  }
};

TEST_F(PerfListsTest, ObjectsAreListedInSnapshotOrderUnderTheirTitles) {
  PerfContext& context = Context();
  TPerfObjects objects(context);
  objects.Name = "PerfObjects";
  ASSERT_EQ(objects.Count(), 5);
  std::vector<std::string> names;
  for (int i = 0; i < objects.Count(); ++i) names.push_back(objects.Names(i));
  EXPECT_EQ(names, (std::vector<std::string>{"Process", "System", "PhysicalDisk", "Thread", ""}));
  EXPECT_EQ(objects.Objects(3).NumInstances, 3);
  EXPECT_EQ(objects.IndexOf("THREAD"), 3);

  EXPECT_EQ(ErrorOf([&] { objects.IndexOf(""); }), "Unknown performance object : \"\"");
  EXPECT_EQ(ErrorOf([&] { objects.IndexOf("Memory"); }), "Unknown performance object : \"Memory\"");
  EXPECT_EQ(ErrorOf([&] { objects.Names(5); }), "Index out of bounds");
  EXPECT_EQ(ErrorOf([&] { objects.Objects(-1); }), "Index out of bounds");
  EXPECT_EQ(ErrorOf([&] { objects.HelpTexts(-1); }),
            "No help information : object \"PerfObjects\"");

  TPerfHelps helps(context);
  objects.SetHelps(&helps);
  EXPECT_EQ(objects.HelpTexts(1).substr(0, 17), "The System perfor");
  EXPECT_EQ(ErrorOf([&] { objects.HelpTexts(-1); }), "Index out of bounds");
}

TEST_F(PerfListsTest, TheListsReadTheSnapshotOthersTook) {
  PerfContext& context = Context();
  TPerfObjects objects(context);
  ASSERT_EQ(objects.Count(), 5);
  block = Block({ObjectWithoutInstances(2, {}, {})}, 1);
  NextSecond();
  EXPECT_EQ(objects.Count(), 5) << "a list never takes a snapshot";
  TPerfMonitor monitor(context);
  monitor.Refresh();
  EXPECT_EQ(objects.Count(), 1);
}

TEST_F(PerfListsTest, CountersOfAnObjectIncludeBaseCounters) {
  PerfContext& context = Context();
  TPerfCounters counters(context);
  counters.Name = "PerfCounters";
  EXPECT_EQ(ErrorOf([&] { counters.Count(); }), "Unknown performance object : \"\"");
  EXPECT_EQ(ErrorOf([&] { counters.SetObjectName("Memory"); }),
            "Unknown performance object : \"Memory\"");
  EXPECT_EQ(counters.ObjectName(), "");

  counters.SetObjectName("System");
  ASSERT_EQ(counters.Count(), 4);
  std::vector<std::string> names;
  for (int i = 0; i < counters.Count(); ++i) names.push_back(counters.Names(i));
  EXPECT_EQ(names, (std::vector<std::string>{"File Read Operations/sec", "% Committed Bytes In Use",
                                             "", "Available Bytes"}));
  EXPECT_EQ(counters.Counters(2).CounterType, perf::kPerfRawBase);
  EXPECT_EQ(ErrorOf([&] { counters.Counters(4); }), "Index out of bounds");
  EXPECT_EQ(ErrorOf([&] { counters.HelpTexts(99); }),
            "No help information : object \"PerfCounters\"");
  TPerfHelps helps(context);
  counters.SetHelps(&helps);
  EXPECT_EQ(counters.HelpTexts(3).substr(0, 15), "Available Bytes");
}

TEST_F(PerfListsTest, ANewLanguageKeepsTheBoundObjectUnderItsNewTitle) {
  SetTitles("007", {{"2", "System (de)"}, {"230", "Prozess"}, {"10", "Dateilesevorgänge/s"}}, {});
  PerfContext& context = Context();
  TPerfCounters counters(context);
  counters.SetLocaleID("009");  // "007" sorts first
  counters.SetObjectName("System");
  counters.SetLocaleID("007");
  EXPECT_EQ(counters.LocaleID(), "007");
  EXPECT_EQ(counters.ObjectName(), "System (de)");
  EXPECT_EQ(counters.Names(0), "Dateilesevorgänge/s");

  TPerfInstances instances(context);
  instances.SetLocaleID("009");
  instances.SetObjectName("Process");
  instances.SetLocaleID("007");
  EXPECT_EQ(instances.ObjectName(), "Prozess");
}

TEST_F(PerfListsTest, InstancesBindOnlyToObjectsWithInstances) {
  PerfContext& context = Context();
  TPerfInstances instances(context);
  EXPECT_EQ(ErrorOf([&] { instances.SetObjectName("System"); }),
            "Object \"System\" has no instances");
  EXPECT_EQ(instances.ObjectName(), "");
  instances.SetObjectName("PhysicalDisk");  // no instance now, but it has them
  EXPECT_EQ(instances.BoundObject().NumInstances, 0);

  instances.SetLoading(true);
  instances.SetObjectName("Anything");
  EXPECT_EQ(instances.ObjectName(), "Anything");
}

}  // namespace
}  // namespace haltwise::perftest
