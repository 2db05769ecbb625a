#include "eventlog/event_log.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/fake/fake_event_source.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_security.h"

namespace haltwise {
namespace {

constexpr char kSourceKey[] =
    "HKLM\\SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\Haltwise";

class EventLogTest : public ::testing::Test {
 protected:
  EventLogTest() { log.SetApplicationName("Haltwise"); }

  void ExpectAllHandlesClosed() const {
    EXPECT_EQ(registry.OpenHandleCount(), 0);
    EXPECT_EQ(events.OpenSourceCount(), 0);
  }

  fake::FakeRegistry registry;
  fake::FakeEventSource events;
  fake::FakeSecurity security;
  EventLogRegistry logs;
  TEventLog log{registry, events, security, "Haltwise", logs};
};

TEST_F(EventLogTest, FirstWriteCreatesTheSourceKeyAndReportsTheEntryWithTheUser) {
  log.LogEvent(1, EventLogType::Information, 0, "Shutdown,20250101,120000");

  EXPECT_TRUE(registry.KeyExists(kSourceKey));
  ASSERT_EQ(events.events.size(), 1u);
  const fake::ReportedEvent& entry = events.events[0];
  EXPECT_EQ(entry.source, "Haltwise");
  EXPECT_EQ(entry.type, 4);
  EXPECT_EQ(entry.category, 0);
  EXPECT_EQ(entry.eventId, 1u);
  EXPECT_EQ(entry.sid, security.userSid);
  EXPECT_EQ(entry.strings, std::vector<std::string>{"\r\n\r\nShutdown,20250101,120000"});
  ExpectAllHandlesClosed();
}

// Registration must work without administrator rights: an existing key is
// opened for reading only and nothing is created.
TEST_F(EventLogTest, ExistingSourceKeyIsOnlyOpenedForReading) {
  registry.CreateKey(kSourceKey);
  log.LogEvent(1, EventLogType::Warning, 0, "text");
  log.LogEvent(1, EventLogType::Warning, 0, "text");

  EXPECT_EQ(registry.CountCalls("RegCreateKeyEx"), 0);
  ASSERT_EQ(registry.CountCalls("RegOpenKeyEx"), 2);
  EXPECT_NE(registry.Calls()[0].arguments.find("access=" + std::to_string(win::kKeyRead)),
            std::string::npos);
  EXPECT_EQ(events.events.size(), 2u);
  ExpectAllHandlesClosed();
}

TEST_F(EventLogTest, EachTypeIsReportedAsItsWindowsEventType) {
  const std::pair<EventLogType, std::uint16_t> cases[] = {{EventLogType::Error, 1},
                                                          {EventLogType::Warning, 2},
                                                          {EventLogType::Information, 4},
                                                          {EventLogType::AuditSuccess, 8},
                                                          {EventLogType::AuditFailure, 16}};
  for (const auto& [type, windowsType] : cases) log.LogEvent(1, type, 0, "");
  ASSERT_EQ(events.events.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(events.events[i].type, cases[i].second);
}

TEST_F(EventLogTest, EmptyTextGivesNoInsertionStringsAndCategoryIsPassedOn) {
  log.LogEvent(7, EventLogType::Warning, 1, "");
  ASSERT_EQ(events.events.size(), 1u);
  EXPECT_TRUE(events.events[0].strings.empty());
  EXPECT_EQ(events.events[0].category, 1);
  EXPECT_EQ(events.events[0].eventId, 7u);
}

TEST_F(EventLogTest, DisabledLogTouchesNothingAndNeverRaises) {
  log.SetEnabled(false);
  registry.FailCall("RegOpenKeyEx", 5);
  events.FailCall("RegisterEventSource", 5);
  EXPECT_NO_THROW(log.LogEvent(1, EventLogType::Error, 0, "text"));
  EXPECT_TRUE(registry.Calls().empty());
  EXPECT_TRUE(events.Calls().empty());
  EXPECT_TRUE(security.Calls().empty());
}

TEST_F(EventLogTest, WithoutUserNoAccountIsLookedUp) {
  log.SetIncludeUser(false);
  log.LogEvent(1, EventLogType::Information, 0, "text");
  ASSERT_EQ(events.events.size(), 1u);
  EXPECT_TRUE(events.events[0].sid.empty());
  EXPECT_TRUE(security.Calls().empty());
}

TEST_F(EventLogTest, EmptyApplicationNameSkipsRegistrationAndOpensTheEmptySource) {
  log.SetApplicationName("");
  log.LogEvent(1, EventLogType::Information, 0, "text");
  EXPECT_TRUE(registry.Calls().empty());
  ASSERT_EQ(events.events.size(), 1u);
  EXPECT_EQ(events.events[0].source, "");
}

// The SID comes from the process token, whatever the user's name: a SID with
// the most sub-authorities Windows allows does not fit the first buffer.
TEST_F(EventLogTest, UserSidComesFromTheProcessTokenGrowingTheBuffer) {
  security.userSid = {1, 15, 0, 0, 0, 0, 0, 5};
  for (std::uint8_t i = 0; i < 60; ++i) security.userSid.push_back(i);
  log.LogEvent(1, EventLogType::Information, 0, "");

  ASSERT_EQ(security.CountCalls("GetTokenInformation"), 2);
  EXPECT_NE(security.Calls()[0].arguments.find("access=" + std::to_string(win::kTokenQuery)),
            std::string::npos);
  EXPECT_NE(security.Calls()[1].arguments.find("class=1 length=64"), std::string::npos);
  ASSERT_EQ(events.events.size(), 1u);
  EXPECT_EQ(events.events[0].sid, security.userSid);
  EXPECT_EQ(security.OpenTokenCount(), 0);
}

// A SID header that claims more sub-authorities than the token holds is
// refused rather than read past the buffer.
TEST_F(EventLogTest, SidLongerThanTheTokenBufferIsRefused) {
  security.userSid = {1, 15, 0, 0, 0, 0, 0, 5, 21, 0, 0, 0};
  EXPECT_THROW(log.LogEvent(1, EventLogType::Information, 0, ""), EUserSIDLookupFail);
  EXPECT_TRUE(events.events.empty());
  EXPECT_EQ(security.OpenTokenCount(), 0);
}

struct Fault {
  const char* seam;  // "registry", "events" or "security"
  const char* call;
  long error;
};

struct FaultCase {
  const char* name;
  std::vector<Fault> faults;
  std::string message;  // empty: the entry is still written
  std::function<bool(const EEventType&)> isExpectedType;
  bool sourceRequested;  // RegisterEventSource was called
};

template <typename E>
bool IsA(const EEventType& error) {
  return dynamic_cast<const E*>(&error) != nullptr;
}

TEST_F(EventLogTest, FaultInjectionTable) {
  const FaultCase cases[] = {
      {"source key exists but cannot be read",
       {{"registry", "RegOpenKeyEx", 5}},
       "TEventLog - Application registration fail, error code: 5",
       IsA<ERegisterApplicationFail>,
       false},
      {"source key missing and cannot be created: still reported",
       {{"registry", "RegCreateKeyEx", 5}},
       "",
       nullptr,
       true},
      {"event source cannot be opened",
       {{"events", "RegisterEventSource", 1722}},
       "TEventLog - Event source registration fail, error code: 1722",
       IsA<ERegisterSourceFail>,
       true},
      {"process token cannot be opened",
       {{"security", "OpenProcessToken", 5}},
       "TEventLog - User SID lookup fail, error code: 5",
       IsA<EUserSIDLookupFail>,
       true},
      {"token cannot be read",
       {{"security", "GetTokenInformation", 5}},
       "TEventLog - User SID lookup fail, error code: 5",
       IsA<EUserSIDLookupFail>,
       true},
      {"token buffer never large enough",
       {{"security", "GetTokenInformation", 122}},
       "TEventLog - User SID lookup fail, error code: 122",
       IsA<EUserSIDLookupFail>,
       true},
      {"report fails",
       {{"events", "ReportEvent", 1502}},
       "TEventLog - Event report fail, error code: 1502",
       IsA<EReportFail>,
       true},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.name);
    fake::FakeRegistry registry;
    fake::FakeEventSource events;
    fake::FakeSecurity security;
    EventLogRegistry logs;
    TEventLog log(registry, events, security, "Haltwise", logs);
    log.SetApplicationName("Haltwise");
    for (const Fault& f : c.faults) {
      fake::FakeSeam& seam =
          std::string(f.seam) == "registry" ? static_cast<fake::FakeSeam&>(registry)
          : std::string(f.seam) == "events" ? static_cast<fake::FakeSeam&>(events)
                                            : static_cast<fake::FakeSeam&>(security);
      seam.FailCall(f.call, f.error);
    }

    std::string message;
    try {
      log.LogEvent(1, EventLogType::Information, 0, "text");
    } catch (const EEventType& error) {
      message = error.Message();
      EXPECT_TRUE(c.isExpectedType && c.isExpectedType(error));
    }
    EXPECT_EQ(message, c.message);
    EXPECT_EQ(events.events.size(), c.message.empty() ? 1u : 0u);
    EXPECT_EQ(events.CountCalls("RegisterEventSource"), c.sourceRequested ? 1 : 0);
    EXPECT_EQ(registry.OpenHandleCount(), 0);
    EXPECT_EQ(events.OpenSourceCount(), 0);
    EXPECT_EQ(security.OpenTokenCount(), 0);
  }
}

TEST_F(EventLogTest, FailureLeavesNoStateBehindAndIsRaisedOnEveryCall) {
  registry.FailCall("RegOpenKeyEx", 5, 2);
  EXPECT_THROW(log.LogEvent(1, EventLogType::Error, 0, ""), ERegisterApplicationFail);
  EXPECT_THROW(log.LogEvent(1, EventLogType::Error, 0, ""), ERegisterApplicationFail);
  log.LogEvent(1, EventLogType::Error, 0, "");
  EXPECT_EQ(events.events.size(), 1u);
}

TEST(ApplicationEventLog, FirstLogIsTheApplicationsAndAlwaysCarriesItsName) {
  fake::FakeRegistry registry;
  fake::FakeEventSource events;
  fake::FakeSecurity security;
  EventLogRegistry logs;
  {
    TEventLog first(registry, events, security, "Haltwise", logs);
    TEventLog second(registry, events, security, "Haltwise", logs);
    EXPECT_EQ(logs.Application(), &first);
    first.SetName("MyLog");
    second.SetName("OtherLog");
    EXPECT_EQ(first.Name(), "ApplicationEventLog");
    EXPECT_EQ(second.Name(), "OtherLog");
  }
  EXPECT_EQ(logs.Application(), nullptr);
  TEventLog later(registry, events, security, "Haltwise", logs);
  EXPECT_EQ(logs.Application(), &later);
}

TEST(ApplicationEventLog, DestroyingAnotherLogKeepsTheApplicationsLog) {
  fake::FakeRegistry registry;
  fake::FakeEventSource events;
  fake::FakeSecurity security;
  EventLogRegistry logs;
  TEventLog first(registry, events, security, "Haltwise", logs);
  { TEventLog second(registry, events, security, "Haltwise", logs); }
  EXPECT_EQ(logs.Application(), &first);
}

TEST(EventLogLifecycle, LoadedNamesAnUnnamedSourceAfterTheTitleAndAutoLogWritesBothEntries) {
  fake::FakeRegistry registry;
  fake::FakeEventSource events;
  fake::FakeSecurity security;
  EventLogRegistry logs;
  {
    TEventLog log(registry, events, security, "Haltwise", logs);
    log.SetAutoLog(true);
    log.SetInitializationID(10);
    log.SetFinalizationID(20);
    log.Loaded();
    EXPECT_EQ(log.ApplicationName(), "Haltwise");
  }
  ASSERT_EQ(events.events.size(), 2u);
  EXPECT_EQ(events.events[0].eventId, 10u);
  EXPECT_EQ(events.events[1].eventId, 20u);
  EXPECT_EQ(events.events[1].type, 4);
  EXPECT_EQ(events.events[0].source, "Haltwise");
}

TEST(EventLogLifecycle, NamedSourceKeepsItsNameAndAFailedFinalEntryDoesNotEscape) {
  fake::FakeRegistry registry;
  fake::FakeEventSource events;
  fake::FakeSecurity security;
  EventLogRegistry logs;
  auto log = std::make_unique<TEventLog>(registry, events, security, "Haltwise", logs);
  log->SetApplicationName("Other");
  log->Loaded();
  EXPECT_EQ(log->ApplicationName(), "Other");
  EXPECT_TRUE(events.events.empty());  // no AutoLog
  log->SetAutoLog(true);
  events.FailCall("ReportEvent", 1502);
  EXPECT_NO_THROW(log.reset());
  EXPECT_EQ(events.OpenSourceCount(), 0);
}

}  // namespace
}  // namespace haltwise
