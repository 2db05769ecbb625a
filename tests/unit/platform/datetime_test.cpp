#include "platform/datetime.h"

#include <gtest/gtest.h>

namespace haltwise {
namespace {

TEST(DateTime, EncodesDaysSinceThirtiethDecember1899) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
}

TEST(DateTime, RejectsDatesAndTimesThatDoNotExist) {
  EXPECT_FALSE(IsValidDate(2025, 2, 30));
  EXPECT_TRUE(IsValidDate(2024, 2, 29));
  EXPECT_FALSE(IsValidDate(1900, 2, 29));
  EXPECT_FALSE(IsValidTime(24, 0, 0, 0));
  EXPECT_FALSE(IsValidTime(12, 60, 0, 0));
}

TEST(DateTime, DecodesRoundTripToTheMillisecond) {
  const DateTime value = EncodeDate(2026, 12, 9) + EncodeTime(23, 59, 59, 999);
  const CalendarDate d = DecodeDate(value);
  const TimeOfDay t = DecodeTime(value);
  EXPECT_EQ(d.year, 2026);
  EXPECT_EQ(d.month, 12);
  EXPECT_EQ(d.day, 9);
  EXPECT_EQ(t.hour, 23);
  EXPECT_EQ(t.minute, 59);
  EXPECT_EQ(t.second, 59);
  EXPECT_EQ(t.millisecond, 999);
}

TEST(DateTime, ConvertsSystemTimeToFileTime) {
  std::int64_t fileTime = 0;
  ASSERT_TRUE(SystemTimeToFileTime({1601, 1, 1, 1, 0, 0, 0, 0}, &fileTime));
  EXPECT_EQ(fileTime, 0);
  ASSERT_TRUE(SystemTimeToFileTime({1970, 1, 4, 1, 0, 0, 0, 0}, &fileTime));
  EXPECT_EQ(fileTime, 116444736000000000LL);
  EXPECT_FALSE(SystemTimeToFileTime({2025, 2, 0, 30, 0, 0, 0, 0}, &fileTime));
}

}  // namespace
}  // namespace haltwise
