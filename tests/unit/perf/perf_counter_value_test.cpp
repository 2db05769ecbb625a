#include "perf/perf_counter_value.h"

#include <gtest/gtest.h>

#include "perf/perf_layout.h"
#include "platform/error.h"

namespace haltwise {
namespace {

using namespace perf;

constexpr std::int64_t kOneSecond = 10000000;
constexpr std::int64_t kNow = 134000000000000000;  // a file time in 2025

TPerfMonitorCounterValue Record(std::uint32_t type, std::uint64_t prev, std::uint64_t cur,
                                std::int64_t sinceLast = kOneSecond, bool hasBase = false,
                                std::uint64_t prevBase = 0, std::uint64_t curBase = 0) {
  TPerfMonitorCounterValue r;
  r.CounterType = type;
  r.PrevValue = prev;
  r.CurValue = cur;
  r.SinceLast = sinceLast;
  r.HasBase = hasBase;
  r.PrevBase = prevBase;
  r.CurBase = curBase;
  return r;
}

TEST(CalcValue, TheCommonCounterTypes) {
  struct Case {
    const char* name;
    TPerfMonitorCounterValue record;
    double expected;
    const char* unit;
  };
  const Case cases[] = {
      {"RAWCOUNT", Record(kPerfCounterRawcount, 5, 42), 42, ""},
      {"LARGE_RAWCOUNT", Record(kPerfCounterLargeRawcount, 0, 1ull << 40), 1099511627776.0, ""},
      {"RAWCOUNT_HEX", Record(kPerfCounterRawcountHex, 0, 255), 255, ""},
      {"LARGE_RAWCOUNT_HEX", Record(kPerfCounterLargeRawcountHex, 0, 256), 256, ""},
      {"COUNTER", Record(kPerfCounterCounter, 100, 350, kOneSecond / 2), 500, "/sec"},
      {"BULK_COUNT", Record(kPerfCounterBulkCount, 1000, 3000), 2000, "/sec"},
      {"SAMPLE_COUNTER", Record(kPerfSampleCounter, 0, 5000000), 0.5, ""},
      {"COUNTER_DELTA", Record(kPerfCounterDelta, 10, 17), 7, ""},
      {"LARGE_DELTA", Record(kPerfCounterLargeDelta, 10, 17), 7, ""},
      {"COUNTER_TIMER", Record(kPerfCounterTimer, 0, 2500000), 25, "%"},
      {"COUNTER_TIMER_INV", Record(kPerfCounterTimerInv, 0, 2500000), 75, "%"},
      {"100NSEC_TIMER", Record(kPerf100nsecTimer, 0, 4000000), 40, "%"},
      {"OBJ_TIME_TIMER", Record(kPerfObjTimeTimer, 0, 5000000), 50, "%"},
      {"100NSEC_TIMER_INV, D = S", Record(kPerf100nsecTimerInv, 0, kOneSecond), 0, "%"},
      {"100NSEC_TIMER_INV, D = S/4", Record(kPerf100nsecTimerInv, 0, kOneSecond / 4), 75, "%"},
      {"MULTI_TIMER", Record(kPerfCounterMultiTimer, 0, 3000000), 30, "%"},
      {"100NSEC_MULTI_TIMER", Record(kPerf100nsecMultiTimer, 0, 3000000), 30, "%"},
      {"MULTI_TIMER_INV", Record(kPerfCounterMultiTimerInv, 0, 3000000), 70, "%"},
      {"100NSEC_MULTI_TIMER_INV", Record(kPerf100nsecMultiTimerInv, 0, 3000000), 70, "%"},
      {"SAMPLE_FRACTION", Record(kPerfSampleFraction, 10, 13, kOneSecond, true, 20, 24), 75, "%"},
      {"RAW_FRACTION", Record(kPerfRawFraction, 0, 1, kOneSecond, true, 0, 4), 25, "%"},
      {"RAW_FRACTION, base 0", Record(kPerfRawFraction, 0, 1, kOneSecond, true, 0, 0), 0, "%"},
      {"RAW_FRACTION, no base", Record(kPerfRawFraction, 0, 1), 0, "%"},
      {"LARGE_RAW_FRACTION", Record(kPerfLargeRawFraction, 0, 5, kOneSecond, true, 0, 10), 50, "%"},
      {"AVERAGE_TIMER", Record(kPerfAverageTimer, 0, 30, kOneSecond, true, 0, 4), 7.5, "secs"},
      {"AVERAGE_BULK", Record(kPerfAverageBulk, 0, 4096, kOneSecond, true, 0, 2), 2048, ""},
      {"ELAPSED_TIME", Record(kPerfElapsedTime, 0, kNow - 10 * kOneSecond), 10, "secs"},
      {"QUEUELEN", Record(kPerfCounterQueuelenType, 0, 9), -4, ""},
      {"LARGE_QUEUELEN", Record(kPerfCounterLargeQueuelenType, 0, 9), -4, ""},
      {"100NS_QUEUELEN", Record(kPerfCounter100nsQueuelenType, 0, 9), -4, ""},
      {"OBJ_TIME_QUEUELEN", Record(kPerfCounterObjTimeQueuelenType, 0, 9), -4, ""},
      {"histogram", Record(kTypeCounter | kCounterHistogram, 0, 9), -5, ""},
      {"PRECISION_SYSTEM_TIMER", Record(kPerfPrecisionSystemTimer, 0, 9), 0, "%"},
      {"PRECISION_100NS_TIMER", Record(kPerfPrecision100nsTimer, 0, 9), 0, "%"},
      {"PRECISION_OBJECT_TIMER", Record(kPerfPrecisionObjectTimer, 0, 9), 0, "%"},
      {"rate sampled twice from one snapshot", Record(kPerfCounterBulkCount, 0, 100, 0), 0, "/sec"},
      {"a delta counter's first sample", Record(kPerfCounterDelta, 0, 17), 17, ""},
      {"a counter that went backwards", Record(kPerfCounterBulkCount, 3000, 1000), -2000, "/sec"},
      {"2^63 and above count as negative", Record(kPerfCounterRawcount, 0, 1ull << 63),
       -9223372036854775808.0, ""},
      {"TYPE_ZERO inverted", Record(kTypeZero | kInverseCounter, 0, 9), 1, ""},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(CalcValue(c.record, kNow), c.expected) << c.name;
    EXPECT_EQ(CounterUnits(c.record.CounterType), c.unit) << c.name;
  }
}

TEST(CalcValue, ElapsedTimeIsReadAgainstTheClockOfTheComputation) {
  const auto record = Record(kPerfElapsedTime, 0, kNow);
  EXPECT_DOUBLE_EQ(CalcValue(record, kNow + 25 * kOneSecond), 25);
}

TEST(CalcValue, BaseAndTextCountersCannotBeComputed) {
  for (std::uint32_t type : {kPerfSampleBase, kPerfAverageBase, kPerfCounterMultiBase, kPerfRawBase,
                             kPerfLargeRawBase}) {
    try {
      CalcValue(Record(type, 0, 1), kNow);
      ADD_FAILURE() << type;
    } catch (const Error& e) {
      EXPECT_EQ(e.Message(), "PerfUtils Internal error (Perf_COUNTER_BASE)");
    }
  }
  try {
    CalcValue(Record(kPerfCounterText, 0, 1), kNow);
    ADD_FAILURE();
  } catch (const Error& e) {
    EXPECT_EQ(e.Message(), "Invalid counter type");
  }
  EXPECT_EQ(CounterUnits(kPerfCounterNodata), "");
  EXPECT_EQ(CounterUnits(kDisplayNoShow | kPerfCounterRawcount), "");
}

}  // namespace
}  // namespace haltwise
