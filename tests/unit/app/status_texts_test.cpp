#include "app/status_texts.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_locale_format.h"

namespace haltwise {
namespace {

TEST(StatusTexts, FormatDurationLeavesOutZeroHoursAndMinutes) {
  const std::pair<std::uint32_t, const char*> cases[] = {
      {0, "00 seconds"},
      {5, "05 seconds"},
      {65, "01 minutes 05 seconds"},
      {3605, "01 hours 05 seconds"},
      {3725, "01 hours 02 minutes 05 seconds"},
      {360000, "100 hours 00 seconds"},
  };
  for (const auto& [seconds, text] : cases) EXPECT_EQ(FormatDuration(seconds), text) << seconds;
}

TEST(StatusTexts, PadLeftTrimsFirstAndNeverCuts) {
  EXPECT_EQ(PadLeft(" 7 ", 2, '0'), "07");
  EXPECT_EQ(PadLeft("123", 2, '0'), "123");
  EXPECT_EQ(PadLeft("", 2, '0'), "00");
}

TEST(StatusTexts, LcdTimeShowsThreeDigitsFromOneHundredDays) {
  EXPECT_EQ(FormatLcdTime(2, EncodeTime(3, 4, 5, 0)), "02:03:04:05");
  EXPECT_EQ(FormatLcdTime(123, EncodeTime(0, 0, 1, 0)), "123:00:00:01");
  // The time of day is taken to the nearest millisecond before it is split.
  EXPECT_EQ(FormatLcdTime(0, EncodeTime(0, 0, 59, 999) + 0.6 / kMsPerDay), "00:00:01:00");
}

TEST(StatusTexts, DateTimeTextLeavesOutMidnight) {
  fake::FakeLocaleFormat locale;
  EXPECT_EQ(DateTimeText(locale, EncodeDate(2026, 6, 1)), "01/06/2026");
  EXPECT_EQ(DateTimeText(locale, EncodeDate(2026, 6, 1) + EncodeTime(8, 30, 0, 0)),
            "01/06/2026 08:30:00");
  EXPECT_EQ(CompactDate(EncodeDate(2026, 6, 1)), "20260601");
  EXPECT_EQ(CompactTime(EncodeTime(8, 5, 9, 0)), "080509");
}

}  // namespace
}  // namespace haltwise
