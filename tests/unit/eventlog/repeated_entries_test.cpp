#include "eventlog/repeated_entries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_event_source.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_security.h"

namespace haltwise {
namespace {

constexpr char kGone[] = "Exception List index out of bounds (-1) calculating Network Usage.";

class RepeatedEntriesTest : public ::testing::Test {
 protected:
  RepeatedEntriesTest() { log.SetApplicationName("Haltwise"); }

  // A second of the day: the failing sampler's entry.
  void Second(const std::string& text = kGone) {
    clock.Advance(1000);
    entries.LogEvent(1, EventLogType::Error, 0, text);
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& e : events.events) texts.push_back(e.strings.at(0).substr(4));
    return texts;
  }

  fake::FakeClock clock;
  fake::FakeRegistry registry;
  fake::FakeEventSource events;
  fake::FakeSecurity security;
  EventLogRegistry logs;
  TEventLog log{registry, events, security, "Haltwise", logs};
  RepeatedEntries entries{log, clock};
};

TEST_F(RepeatedEntriesTest, AnEntryEverySecondIsWrittenOnceThenHourlyWithItsCount) {
  for (int i = 0; i < 2 * 3600 + 1; ++i) Second();
  const std::string repeated = std::string(kGone) + " Repeated 3599 times since the last entry.";
  EXPECT_EQ(Texts(), (std::vector<std::string>{kGone, repeated, repeated}));
}

TEST_F(RepeatedEntriesTest, OtherEntriesInBetweenAreWrittenAndCountedApart) {
  const std::string disk = "Exception Access denied calculating Disk Usage.";
  for (int i = 0; i < 10; ++i) {
    Second();
    Second(disk);
    entries.LogEvent(1, EventLogType::Warning, 0, kGone);  // another type: another entry
  }
  EXPECT_EQ(Texts(), (std::vector<std::string>{kGone, disk, kGone}));
  EXPECT_EQ(events.events[2].type, win::kEventLogWarningType);
}

TEST_F(RepeatedEntriesTest, AFailedWriteIsTriedAgainAndAQuietEntryIsWrittenAfreshAfterAnHour) {
  events.FailCall("ReportEvent", 1502, 2);
  EXPECT_THROW(Second(), EReportFail);
  EXPECT_THROW(Second(), EReportFail);
  Second();
  EXPECT_EQ(Texts(), std::vector<std::string>{kGone});

  clock.Advance(RepeatedEntries::kIntervalMs);
  Second("Something else.");
  Second();
  EXPECT_EQ(Texts(), (std::vector<std::string>{kGone, "Something else.", kGone}));
}

}  // namespace
}  // namespace haltwise
