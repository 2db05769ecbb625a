#include "perf/perf_counter_value.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "perf/perf_layout.h"
#include "platform/error.h"

namespace haltwise {
namespace {

using namespace perf;

constexpr std::int64_t kOneSecond = 10000000;
constexpr std::int64_t kNow = 134000000000000000;  // a file time in 2025

// Clock frequencies of real machines: the ACPI power-management timer, a
// processor-derived one, and the 100-ns clock.
constexpr std::int64_t kAcpiFreq = 3579545;
constexpr std::int64_t kTscFreq = 2441406;
constexpr std::int64_t k100ns = 10000000;
constexpr std::int64_t kBoot = 1000000000;  // a clock reading at the first sample

struct RecordBuilder {
  TPerfMonitorCounterValue r;

  RecordBuilder(std::uint32_t type, std::uint64_t prev, std::uint64_t cur) {
    r.CounterType = type;
    r.PrevValue = prev;
    r.CurValue = cur;
    r.SinceLast = kOneSecond;
    r.CounterSize = (type & kSizeMask) == kSizeLarge ? 8 : 4;
  }
  // The counter's clock moved by `ticks` of `frequency` between the samples.
  RecordBuilder& Clock(std::int64_t ticks, std::int64_t frequency) {
    r.PrevTime = kBoot;
    r.CurTime = kBoot + ticks;
    r.Frequency = frequency;
    return *this;
  }
  RecordBuilder& Base(std::uint64_t prev, std::uint64_t cur) {
    r.HasBase = true;
    r.PrevBase = prev;
    r.CurBase = cur;
    return *this;
  }
  operator TPerfMonitorCounterValue() const { return r; }  // NOLINT: a builder
};

RecordBuilder Record(std::uint32_t type, std::uint64_t prev, std::uint64_t cur) {
  return RecordBuilder(type, prev, cur);
}

// Values worked out by hand from Microsoft's published formula of each type,
// with its time base and frequency.
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
      // (N1 - N0) / ((D1 - D0) / F)
      {"COUNTER, 250 in 2 s of the ACPI clock",
       Record(kPerfCounterCounter, 100, 350).Clock(2 * kAcpiFreq, kAcpiFreq), 125, "/sec"},
      {"BULK_COUNT, 2000 in 1 s",
       Record(kPerfCounterBulkCount, 1000, 3000).Clock(kAcpiFreq, kAcpiFreq), 2000, "/sec"},
      {"SAMPLE_COUNTER, 50 in 2 s of a 2.44 MHz clock",
       Record(kPerfSampleCounter, 0, 50).Clock(2 * kTscFreq, kTscFreq), 25, ""},
      {"COUNTER, a 4-byte counter that wrapped",
       Record(kPerfCounterCounter, 0xFFFFFF00u, 0x100).Clock(kAcpiFreq, kAcpiFreq), 512, "/sec"},
      {"BULK_COUNT, an 8-byte counter that went back",
       Record(kPerfCounterBulkCount, 3000, 1000).Clock(kAcpiFreq, kAcpiFreq), -2000, "/sec"},
      {"COUNTER, sampled twice from one snapshot",
       Record(kPerfCounterBulkCount, 0, 100).Clock(0, kAcpiFreq), 0, "/sec"},
      // N1 - N0
      {"COUNTER_DELTA", Record(kPerfCounterDelta, 10, 17), 7, ""},
      {"LARGE_DELTA", Record(kPerfCounterLargeDelta, 10, 17), 7, ""},
      // 100 (N1 - N0) / (D1 - D0): N counts ticks of the same clock as D
      {"COUNTER_TIMER, a quarter of 3,579,544 ticks",
       Record(kPerfCounterTimer, 0, 894886).Clock(3579544, kAcpiFreq), 25, "%"},
      {"COUNTER_TIMER_INV", Record(kPerfCounterTimerInv, 0, 894886).Clock(3579544, kAcpiFreq), 75,
       "%"},
      {"100NSEC_TIMER", Record(kPerf100nsecTimer, 0, 4000000).Clock(k100ns, k100ns), 40, "%"},
      {"100NSEC_TIMER_INV, N = D", Record(kPerf100nsecTimerInv, 0, k100ns).Clock(k100ns, k100ns), 0,
       "%"},
      {"100NSEC_TIMER_INV, N = D/4",
       Record(kPerf100nsecTimerInv, 0, k100ns / 4).Clock(k100ns, k100ns), 75, "%"},
      {"OBJ_TIME_TIMER, on the object's 2.44 MHz clock",
       Record(kPerfObjTimeTimer, 0, 1220703).Clock(kTscFreq, kTscFreq), 50, "%"},
      // 100 ((N1 - N0) / (D1 - D0)) / B1 and 100 (B1 - (N1 - N0) / (D1 - D0)) / B1
      {"MULTI_TIMER, two items",
       Record(kPerfCounterMultiTimer, 0, 1789772).Clock(3579544, kAcpiFreq).Base(2, 2), 25, "%"},
      {"100NSEC_MULTI_TIMER, two items",
       Record(kPerf100nsecMultiTimer, 0, 6000000).Clock(k100ns, k100ns).Base(2, 2), 30, "%"},
      {"MULTI_TIMER_INV, two items",
       Record(kPerfCounterMultiTimerInv, 0, 1789772).Clock(3579544, kAcpiFreq).Base(2, 2), 75, "%"},
      {"100NSEC_MULTI_TIMER_INV, no base: one item",
       Record(kPerf100nsecMultiTimerInv, 0, 3000000).Clock(k100ns, k100ns), 70, "%"},
      // 100 (N1 - N0) / (B1 - B0) and 100 N / B
      {"SAMPLE_FRACTION", Record(kPerfSampleFraction, 10, 13).Base(20, 24), 75, "%"},
      {"RAW_FRACTION", Record(kPerfRawFraction, 0, 1).Base(0, 4), 25, "%"},
      {"RAW_FRACTION, base 0", Record(kPerfRawFraction, 0, 1).Base(0, 0), 0, "%"},
      {"RAW_FRACTION, no base", Record(kPerfRawFraction, 0, 1), 0, "%"},
      {"LARGE_RAW_FRACTION",
       Record(kPerfLargeRawFraction, 0, 5000000000ull).Base(0, 10000000000ull), 50, "%"},
      // ((N1 - N0) / F) / (B1 - B0): Avg. Disk sec/Transfer, 0.2 s over 80 transfers
      {"AVERAGE_TIMER",
       Record(kPerfAverageTimer, 1000, 1000 + 715909).Clock(kAcpiFreq, kAcpiFreq).Base(20, 100),
       0.0025, "secs"},
      // (N1 - N0) / (B1 - B0)
      {"AVERAGE_BULK", Record(kPerfAverageBulk, 1000000, 1065536).Base(4, 20), 4096, ""},
      // (D - N) / F on the object's clock
      {"ELAPSED_TIME, 25 s of a 2.44 MHz object clock",
       Record(kPerfElapsedTime, 0, kBoot + kTscFreq - 25 * kTscFreq).Clock(kTscFreq, kTscFreq), 25,
       "secs"},
      // (N1 - N0) / (D1 - D0)
      {"QUEUELEN, two waiting",
       Record(kPerfCounterQueuelenType, 0, 2 * kAcpiFreq).Clock(kAcpiFreq, kAcpiFreq), 2, ""},
      {"LARGE_QUEUELEN",
       Record(kPerfCounterLargeQueuelenType, 0, 3 * kAcpiFreq).Clock(kAcpiFreq, kAcpiFreq), 3, ""},
      {"100NS_QUEUELEN, Avg. Disk Queue Length",
       Record(kPerfCounter100nsQueuelenType, 0, 5000000).Clock(k100ns, k100ns), 0.5, ""},
      {"OBJ_TIME_QUEUELEN",
       Record(kPerfCounterObjTimeQueuelenType, 0, 2 * kTscFreq).Clock(kTscFreq, kTscFreq), 2, ""},
      // 100 (N1 - N0) / (B1 - B0), B the timestamp after the counter
      {"PRECISION_100NS_TIMER, % Idle Time",
       Record(kPerfPrecision100nsTimer, 0, 7500000).Base(kBoot, kBoot + k100ns), 75, "%"},
      {"PRECISION_SYSTEM_TIMER",
       Record(kPerfPrecisionSystemTimer, 0, 1789772).Base(kBoot, kBoot + 3579544), 50, "%"},
      {"PRECISION_OBJECT_TIMER, no timestamp: its own clock",
       Record(kPerfPrecisionObjectTimer, 0, 1220703).Clock(kTscFreq, kTscFreq), 50, "%"},
      // Undocumented types follow their bit fields.
      {"histogram", Record(kTypeCounter | kCounterHistogram, 0, 9), -5, ""},
      {"2^63 and above count as negative", Record(kPerfCounterLargeRawcount, 0, 1ull << 63),
       -9223372036854775808.0, ""},
      {"TYPE_ZERO inverted", Record(kTypeZero | kInverseCounter, 0, 9), 1, ""},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(CalcValue(c.record, kNow), c.expected, 1e-9 * std::max(1.0, std::abs(c.expected)))
        << c.name;
    EXPECT_EQ(CounterUnits(c.record.CounterType), c.unit) << c.name;
  }
}

TEST(CalcValue, ElapsedTimeWithoutAnObjectClockIsReadAgainstTheClockOfTheComputation) {
  const TPerfMonitorCounterValue record = Record(kPerfElapsedTime, 0, kNow);
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
