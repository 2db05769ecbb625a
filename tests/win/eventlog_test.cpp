#include <gtest/gtest.h>

#include "eventlog/event_log.h"
#include "eventlog/user_sid.h"
#include "platform/win32/win32_event_source.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_security.h"

namespace haltwise {
namespace {

constexpr char kSources[] = "SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\";

bool KeyExists(Registry& registry, const std::string& path) {
  ScopedRegKey key(registry);
  return registry.OpenKeyEx(win::kHKeyLocalMachine, path, win::kKeyRead, key.Receive()) ==
         win::kErrorSuccess;
}

class Win32EventLogTest : public ::testing::Test {
 protected:
  Win32Registry registry;
  Win32EventSource events;
  Win32Security security;
  EventLogRegistry logs;
};

TEST_F(Win32EventLogTest, RegistersTheSourceKeyThenReportsEntriesUnderIt) {
  TEventLog log(registry, events, security, "Haltwise", logs);
  log.Loaded();
  ASSERT_EQ(log.ApplicationName(), "Haltwise");
  log.LogEvent(1, EventLogType::Information, 0, "Haltwise Windows test entry");
  EXPECT_TRUE(KeyExists(registry, std::string(kSources) + "Haltwise"));
  // The second write finds the key and only reads it.
  log.LogEvent(1, EventLogType::Warning, 0, "");
  log.LogEvent(1, EventLogType::Error, 0, "second entry");
  EXPECT_TRUE(KeyExists(registry, std::string(kSources) + "Haltwise"));
}

TEST_F(Win32EventLogTest, AnUnregisteredSourceStillReports) {
  TEventLog log(registry, events, security, "Haltwise", logs);
  log.SetApplicationName("Haltwise Unregistered Test Source");
  log.SetRegisterApplication(false);
  EXPECT_NO_THROW(log.LogEvent(1, EventLogType::Information, 0, "no key"));
  EXPECT_FALSE(KeyExists(registry, std::string(kSources) + "Haltwise Unregistered Test Source"));
}

TEST_F(Win32EventLogTest, ResolvesTheLoggedOnUsersSid) {
  const std::vector<std::uint8_t> sid = LookUpUserSid(security);
  ASSERT_GE(sid.size(), 8u);
  EXPECT_EQ(sid[0], 1);                     // revision
  EXPECT_EQ(sid.size(), 8u + 4u * sid[1]);  // header plus sub-authorities
}

}  // namespace
}  // namespace haltwise
