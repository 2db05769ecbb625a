#include "perf/perf_counter_item.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "perf/perf_filter.h"
#include "perf/perf_monitor.h"
#include "perf_machine_fixture.h"

namespace haltwise::perftest {
namespace {

class PerfCounterItemTest : public PerfTestBed {
 protected:
  PerfCounterItemTest() { block = Block(SmallMachine(1)); }

  TPerfCounterItem& Item(TPerfFilter& filter, const std::string& object,
                         const std::string& counter) {
    TPerfCounterItem& item = filter.Items().Add();
    item.SetObjectName(object);
    item.SetCounterName(counter);
    return item;
  }
};

TEST_F(PerfCounterItemTest, ReadsAnObjectWithoutInstances) {
  TPerfFilter filter(Context());
  TPerfCounterItem& item = Item(filter, "system", "AVAILABLE BYTES");
  EXPECT_EQ(item.ObjectIndex(), 2);
  EXPECT_EQ(item.CounterIndex(), 24);
  EXPECT_FALSE(item.HasInstances());
  EXPECT_EQ(item.RawValue(), 1ull << 33);
  EXPECT_EQ(ErrorOf([&] { item.InstanceCount(); }), "Performance object has no instances");
  EXPECT_EQ(ErrorOf([&] { item.InstanceRawValue(0); }),
            "Performance object \"system\" has no instances");
  EXPECT_EQ(ErrorOf([&] { item.RawBaseValue(); }), "Invalid counter base block");

  TPerfCounterItem& fraction = Item(filter, "System", "% Committed Bytes In Use");
  EXPECT_TRUE(fraction.HasBase());
  EXPECT_EQ(fraction.RawValue(), 3u);
  EXPECT_EQ(fraction.RawBaseValue(), 4u);
}

TEST_F(PerfCounterItemTest, ReadsInstancesByIndex) {
  TPerfFilter filter(Context());
  TPerfCounterItem& item = Item(filter, "Process", "ID Process");
  EXPECT_TRUE(item.HasInstances());
  EXPECT_EQ(item.InstanceCount(), 3);
  EXPECT_EQ(item.InstanceRawValue(1), 200u);
  EXPECT_EQ(item.InstanceNameAt(2), "Idle");
  EXPECT_EQ(ErrorOf([&] { item.RawValue(); }), "Instance not specified");
  EXPECT_EQ(ErrorOf([&] { item.InstanceRawValue(3); }), "Index \"3\" out of bounds [0..3]");
  EXPECT_EQ(ErrorOf([&] { item.InstanceNameAt(-1); }), "Index \"-1\" out of bounds [0..3]");

  TPerfCounterItem& fraction = Item(filter, "Process", "% Committed Bytes In Use");
  EXPECT_EQ(fraction.InstanceRawBaseValue(2), 4u);
  // A fraction whose next definition is no base counter has no base.
  TPerfCounterItem& lonely = Item(filter, "Process", "Raw Fraction %");
  EXPECT_FALSE(lonely.HasBase());
  EXPECT_EQ(ErrorOf([&] { lonely.InstanceRawBaseValue(0); }), "Invalid counter base block");
  TPerfCounterItem& text = Item(filter, "Process", "Text");
  EXPECT_EQ(ErrorOf([&] { text.InstanceRawValue(0); }), "Invalid counter block size");
  EXPECT_EQ(ErrorOf([&] { text.InstanceRawValue(7); }), "Invalid counter block size")
      << "the size class is checked before the index";
}

TEST_F(PerfCounterItemTest, InstanceNamesAreUtf8UnlessTheContextDecodesOtherwise) {
  block = Block({ObjectWithInstances(230, {Counter(784, perf::kPerfCounterRawcount)},
                                     {{"\xC3\xA9t\xC3\xA9", {1}}})});
  PerfContext& context = Context();
  TPerfFilter filter(context);
  TPerfCounterItem& item = Item(filter, "Process", "ID Process");
  EXPECT_EQ(item.InstanceNameAt(0), "\xC3\xA9t\xC3\xA9");
  context.SetInstanceNameDecoder([](std::u16string_view name) {
    std::string latin1;
    for (char16_t c : name) latin1 += c < 256 ? static_cast<char>(c) : '?';
    return latin1;
  });
  EXPECT_EQ(item.InstanceNameAt(0), "\xE9t\xE9");
}

TEST_F(PerfCounterItemTest, AnObjectWithNoInstanceAtTheMoment) {
  TPerfFilter filter(Context());
  TPerfCounterItem& item = Item(filter, "PhysicalDisk", "Disk Bytes/sec");
  EXPECT_TRUE(item.HasInstances());
  EXPECT_EQ(item.InstanceCount(), 0);
  EXPECT_EQ(ErrorOf([&] { item.CheckInstanceIndex(0); }), "Index \"0\" out of bounds [0..0]");
  EXPECT_EQ(ErrorOf([&] { item.InstanceRawValue(0); }), "Invalid counter block")
      << "the missing counter block is found before the index";
}

TEST_F(PerfCounterItemTest, NameSettersValidateAgainstTitlesAndSnapshot) {
  TPerfFilter filter(Context());
  TPerfCounterItem& item = filter.Items().Add();
  EXPECT_EQ(ErrorOf([&] { item.SetObjectName("No Such Object"); }),
            "Invalid performance object name");
  EXPECT_EQ(item.ObjectName(), "");

  item.SetObjectName("Process");
  item.SetCounterName("ID Process");
  item.SetObjectName("PROCESS");  // the same name: nothing changes
  EXPECT_EQ(item.CounterName(), "ID Process");
  item.SetObjectName("Thread");
  EXPECT_EQ(item.CounterName(), "") << "a new object clears the counter";

  // A title that exists, but belongs to a counter of another object.
  EXPECT_EQ(ErrorOf([&] { item.SetCounterName("Available Bytes"); }),
            "Invalid performance counter name : Available Bytes");
  EXPECT_EQ(item.CounterName(), "Available Bytes");
  EXPECT_EQ(ErrorOf([&] { item.CounterDefinition(); }), "Invalid performance counter name");
  EXPECT_EQ(item.ObjectIndex(), 232);
}

TEST_F(PerfCounterItemTest, WhileLoadingNamesAreOnlyStored) {
  TPerfFilter filter(Context());
  filter.SetLoading(true);
  TPerfCounterItem& item = Item(filter, "No Such Object", "Nor Counter");
  filter.SetLoading(false);
  EXPECT_EQ(item.ObjectName(), "No Such Object");
  EXPECT_FALSE(item.Locate());
  EXPECT_EQ(ErrorOf([&] { item.HasInstances(); }), "Invalid performance object name");
  EXPECT_EQ(ErrorOf([&] { item.RawValue(); }), "Invalid counter block");
  EXPECT_NO_THROW(filter.Refresh());
}

TEST_F(PerfCounterItemTest, ALocationIntoAnOlderSnapshotIsNeverRead) {
  PerfContext& context = Context();
  TPerfFilter filter(context), other(context);
  TPerfCounterItem& item = Item(filter, "Process", "ID Process");
  ASSERT_EQ(item.InstanceRawValue(0), 100u);

  // Another filter reads a snapshot in which the objects lie elsewhere.
  auto objects = SmallMachine(1);
  std::rotate(objects.begin(), objects.begin() + 1, objects.end());
  block = Block(objects);
  NextSecond();
  other.Refresh();
  EXPECT_EQ(ErrorOf([&] { item.InstanceRawValue(0); }), "Invalid counter block");
  EXPECT_EQ(item.CounterDefinition().CounterNameTitleIndex, 784u) << "located afresh";
  EXPECT_EQ(item.InstanceRawValue(1), 200u);
  filter.Refresh();
  EXPECT_EQ(item.InstanceRawValue(1), 200u);
}

TEST_F(PerfCounterItemTest, ALyingSnapshotFailsWithAClearError) {
  auto bytes = Block(SmallMachine(1));
  PutU32(bytes, perf::kDataBlockHeaderLength, 0x00FFFFFF);
  block = bytes;
  TPerfFilter filter(Context());
  TPerfCounterItem& item = filter.Items().Add();
  item.SetObjectName("Process");
  EXPECT_EQ(ErrorOf([&] { item.SetCounterName("ID Process"); }), "Invalid performance data block");
  EXPECT_EQ(ErrorOf([&] { filter.Refresh(); }), "Invalid performance data block");
}

TEST_F(PerfCounterItemTest, DestructionNotifiesTheFilter) {
  std::vector<std::string> destroyed;
  {
    TPerfFilter filter(Context());
    filter.OnItemDestroy = [&](TPerfFilter& sender, TPerfCounterItem& item) {
      EXPECT_EQ(&sender, &filter);
      destroyed.push_back(item.ObjectName());
    };
    TPerfCounterItem& first = Item(filter, "Process", "");
    Item(filter, "System", "");
    filter.Items().Delete(first);
    EXPECT_EQ(filter.Items().Count(), 1);
  }
  EXPECT_EQ(destroyed, (std::vector<std::string>{"Process", "System"}));
}

TEST_F(PerfCounterItemTest, AssignCopiesTheObjectNameOfAnotherCounterItemOnly) {
  PerfContext& context = Context();
  TPerfFilter filter(context);
  TPerfCounterItem& source = Item(filter, "Process", "ID Process");
  TPerfCounterItem& target = Item(filter, "System", "Available Bytes");
  target.Assign(source);
  EXPECT_EQ(target.ObjectName(), "Process");
  EXPECT_EQ(target.CounterName(), "");

  TPerfMonitor monitor(context);
  EXPECT_EQ(ErrorOf([&] { target.Assign(monitor.Items().Add()); }), "Incompatible types");

  TPerfFilter copy(context);
  copy.SetItems(filter.Items());
  ASSERT_EQ(copy.Items().Count(), 2);
  EXPECT_EQ(copy.Items()[1].ObjectName(), "Process");
}

TEST_F(PerfCounterItemTest, ANewLanguageRenamesEveryItemAndTheHelps) {
  SetTitles("007", {{"230", "Prozess"}, {"784", "Prozesskennung"}}, {{"231", "Prozesse."}});
  PerfContext& context = Context();
  TPerfHelps helps(context);
  TPerfFilter filter(context);
  filter.SetHelps(&helps);
  filter.SetLocaleID("009");  // "007" sorts first
  TPerfCounterItem& item = Item(filter, "Process", "ID Process");
  filter.SetLocaleID("007");
  EXPECT_EQ(filter.LocaleID(), "007");
  EXPECT_EQ(item.ObjectName(), "Prozess");
  EXPECT_EQ(item.CounterName(), "Prozesskennung");
  EXPECT_EQ(helps.LocaleID(), "007");
  EXPECT_EQ(item.InstanceRawValue(1), 200u) << "the same title indexes";
}

}  // namespace
}  // namespace haltwise::perftest
