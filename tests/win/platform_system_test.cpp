#include <gtest/gtest.h>

#include <cmath>

#include "platform/win32/system_message.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_locale_format.h"
#include "platform/win32/win32_power.h"
#include "platform/win32/win32_system_info.h"
#include "platform/win_constants.h"

namespace haltwise {
namespace {

TEST(Win32SystemInfo, ReportsTheNtFamily) {
  Win32SystemInfo info;
  EXPECT_EQ(info.GetVersion() & 0x80000000u, 0u);
  std::uint32_t platformId = 0;
  ASSERT_TRUE(info.GetVersionEx(&platformId));
  EXPECT_EQ(platformId, 2u);
}

TEST(Win32SystemInfo, SystemTimesIncludeIdleInKernel) {
  Win32SystemInfo info;
  std::int64_t idle = -1, kernel = -1, user = -1;
  ASSERT_TRUE(info.GetSystemTimes(&idle, &kernel, &user));
  EXPECT_GE(idle, 0);
  EXPECT_GE(kernel, idle);
  EXPECT_GE(user, 0);
}

TEST(Win32Clock, LocalAndUtcClocksAgreeWithinADay) {
  Win32Clock clock;
  const DateTime now = clock.Now();
  SystemTime fields = DateTimeToSystemTime(now);
  std::int64_t localAsFileTime = 0;
  ASSERT_TRUE(SystemTimeToFileTime(fields, &localAsFileTime));
  const double hoursApart =
      std::fabs(static_cast<double>(localAsFileTime - clock.UtcFileTime())) / 36e9;
  EXPECT_LT(hoursApart, 15.0);
  EXPECT_GT(now, EncodeDate(2020, 1, 1));
  const std::uint32_t before = clock.TickCount();
  EXPECT_LE(clock.TickCount() - before, 1000u);
}

TEST(Win32LocaleFormat, FormatsDatesAndTimesInTheUsersLocale) {
  Win32LocaleFormat format;
  const DateTime value = EncodeDate(2025, 3, 7) + EncodeTime(14, 5, 9, 0);
  EXPECT_NE(format.ShortDate(value).find("2025"), std::string::npos);
  EXPECT_NE(format.LongDate(value).find("2025"), std::string::npos);
  EXPECT_NE(format.LongTime(value).find("05"), std::string::npos);
  EXPECT_EQ(format.ShortDate(EncodeDate(1500, 1, 1)), "");
}

TEST(FormatSystemMessage, GivesTheSystemsTextWithoutALineBreak) {
  const std::string text = FormatSystemMessage(win::kErrorAccessDenied);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.find('\n'), std::string::npos);
  EXPECT_EQ(FormatSystemMessage(0x7FFFFF0), "");
}

// Only looked up, never called.
TEST(Win32Power, FindsACallThatCanSuspend) {
  EXPECT_NE(Win32Power::FindSuspendRoute(), SuspendRoute::kNone);
}

}  // namespace
}  // namespace haltwise
