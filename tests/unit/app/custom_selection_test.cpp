// The Custom page's lists and the one-time performance set-up.
#include <algorithm>

#include "perf_machine.h"

namespace haltwise::testing {
namespace {

class CustomSelection : public MachineFixture {
 protected:
  CustomSelection() {
    UseMachine(perftest::Scenario::Steady);
    StartWindow("");
  }
};

TEST_F(CustomSelection, FirstActivationListsObjectsAndInterfacesAndStartsTheSampler) {
  EXPECT_GT(form->cbPerfObjs.Count(), 5);
  EXPECT_NE(IndexOf(form->cbPerfObjs, "Processor"), -1);
  EXPECT_GE(form->cbNetIface.Count(), 2);
  EXPECT_EQ(form->cbNetIface.ItemIndex(), 0);
  EXPECT_TRUE(form->tmrDiskRt.Enabled());
  EXPECT_EQ(form->lblStatusBar.Caption(), "No shutdown in progress.");
  EXPECT_EQ(host.requests.front(), "hourglass");
  EXPECT_EQ(host.requests.back(), "arrow");

  // A second activation rebuilds nothing.
  const int objects = form->cbPerfObjs.Count();
  form->ApplicationEvents1Activate();
  EXPECT_EQ(form->cbPerfObjs.Count(), objects);
}

TEST_F(CustomSelection, ObjectCounterInstanceInTurn) {
  form->cbPerfObjs.UserSelect(IndexOf(form->cbPerfObjs, "Processor"));
  EXPECT_TRUE(form->cbPerfCounters.Enabled());
  EXPECT_EQ(form->cbPerfCounters.ItemIndex(), -1);
  EXPECT_NE(form->lblStatusBar.Caption().find("processor activity"), std::string::npos);

  form->cbPerfCounters.UserSelect(IndexOf(form->cbPerfCounters, "% Processor Time"));
  EXPECT_TRUE(form->cbInstances.Enabled());
  EXPECT_EQ(form->cbInstances.Items().back(), "_Total");
  EXPECT_EQ(form->lblCustomCtr.Caption(), "% Processor Time");
  EXPECT_EQ(form->lgCustom.ValueMax(), 0);

  form->tmrDiskRt.SetEnabled(false);
  form->cbInstances.UserSelect(form->cbInstances.Count() - 1);
  EXPECT_TRUE(form->tmrDiskRt.Enabled());
  AdvanceSeconds(3);
  EXPECT_EQ(form->lgCustom.Hint(), "Processor/_Total");
  EXPECT_EQ(form->lgCustom.AfterString(), "%");
  EXPECT_GT(form->lgCustom.ValueMax(), 0);  // the range widened with the values
}

TEST_F(CustomSelection, AnObjectWithoutInstancesOffersNothingToChoose) {
  form->cbPerfObjs.UserSelect(IndexOf(form->cbPerfObjs, "Processor"));
  form->cbPerfCounters.UserSelect(0);
  form->cbPerfObjs.UserSelect(IndexOf(form->cbPerfObjs, "Memory"));
  EXPECT_FALSE(form->cbPerfCounters.Enabled());
  EXPECT_EQ(form->cbPerfCounters.ItemIndex(), -1);
  EXPECT_FALSE(form->cbInstances.Enabled());
  EXPECT_EQ(form->cbInstances.ItemIndex(), -1);
}

TEST_F(CustomSelection, ProcessesSharingANameAreKeyedAndReportedOnce) {
  form->cbPerfObjs.UserSelect(IndexOf(form->cbPerfObjs, "Process"));
  form->cbPerfCounters.UserSelect(IndexOf(form->cbPerfCounters, "ID Process"));
  // Keyed before the list is filled: every process is an entry, a shared
  // name followed by its id, and nothing is reported.
  const auto& items = form->cbInstances.Items();
  EXPECT_EQ(std::count_if(items.begin(), items.end(),
                          [](const std::string& i) { return i.rfind("svchost (", 0) == 0; }),
            40);
  EXPECT_NE(IndexOf(form->cbInstances, "Idle"), -1);
  EXPECT_EQ(EventsOfType(win::kEventLogWarningType), 0);
}

TEST_F(CustomSelection, NoObjectSelectedEndsTheHandlerWithIndexOutOfBounds) {
  form->cbPerfObjs.SetItemIndex(-1);
  EXPECT_THROW(form->cbPerfObjsChange(), Error);
  EXPECT_EQ(form->cbPerfObjs.Hint(), "");
  EXPECT_EQ(host.requests.back(), "arrow");
}

}  // namespace
}  // namespace haltwise::testing
