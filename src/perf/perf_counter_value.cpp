#include "perf/perf_counter_value.h"

#include "perf/perf_counter_item.h"
#include "platform/error.h"

namespace haltwise {

using namespace perf;

namespace {

constexpr long double k100nsPerSecond = 10000000.0L;

// Counter types whose value is a difference of two samples. The average
// types lack the delta flag, but Windows computes them over the interval.
bool UsesTwoSamples(std::uint32_t type) {
  return (type & kDeltaCounter) != 0 || type == kPerfAverageTimer || type == kPerfAverageBulk;
}

struct Clock {
  std::int64_t time = 0;
  std::int64_t frequency = 0;
};

// The clock a counter type is timed by.
Clock ClockOf(std::uint32_t type, const PerfBlockClocks& block, TPerfCounterItem& counter) {
  switch (type & kTimeBaseMask) {
    case kTimer100ns:
      return {block.PerfTime100nSec, 10000000};
    case kObjectTimer: {
      const PerfObjectType object = counter.LocatedObject();
      return {object.PerfTime, object.PerfFreq};
    }
    default:
      return {block.PerfTime, block.PerfFreq};
  }
}

// Raw values take part in the arithmetic as signed numbers; a 4-byte
// counter that passed 2^32 between samples has wrapped, not gone back.
long double Difference(std::uint64_t current, std::uint64_t previous, std::uint32_t size) {
  if (size == 4) return static_cast<long double>(static_cast<std::uint32_t>(current - previous));
  return static_cast<long double>(static_cast<std::int64_t>(current - previous));
}

long double Signed(std::uint64_t value) {
  return static_cast<long double>(static_cast<std::int64_t>(value));
}

long double Ratio(long double numerator, long double denominator) {
  return denominator == 0 ? 0 : numerator / denominator;
}

// The published formulas, for the types Windows documents; nullopt for the
// others. N is the value, B the base, D the clock, F its frequency; 0 and 1
// mark the previous and the latest sample.
std::optional<long double> DocumentedValue(const TPerfMonitorCounterValue& r,
                                           std::int64_t nowFileTime) {
  const long double n1 = Signed(r.CurValue);
  const long double dN = Difference(r.CurValue, r.PrevValue, r.CounterSize);
  const long double dB = r.HasBase ? Difference(r.CurBase, r.PrevBase, r.BaseSize) : 0;
  const long double dD = static_cast<long double>(r.CurTime - r.PrevTime);
  const auto f = static_cast<long double>(r.Frequency);
  // Multi-timers average over the items their base counts; one without it
  // counts one item.
  const long double items = r.HasBase && r.CurBase != 0 ? Signed(r.CurBase) : 1;
  switch (r.CounterType) {
    case kPerfCounterRawcount:
    case kPerfCounterLargeRawcount:
    case kPerfCounterRawcountHex:
    case kPerfCounterLargeRawcountHex:
      return n1;
    case kPerfCounterDelta:
    case kPerfCounterLargeDelta:
      return dN;
    case kPerfCounterCounter:
    case kPerfCounterBulkCount:
    case kPerfSampleCounter:
      return f == 0 ? 0 : Ratio(dN, dD / f);
    case kPerfCounterTimer:
    case kPerf100nsecTimer:
    case kPerfObjTimeTimer:
      return 100 * Ratio(dN, dD);
    case kPerfCounterTimerInv:
    case kPerf100nsecTimerInv:
      return dD == 0 ? 0 : 100 * (1 - dN / dD);
    case kPerfCounterMultiTimer:
    case kPerf100nsecMultiTimer:
      return 100 * Ratio(dN, dD) / items;
    case kPerfCounterMultiTimerInv:
    case kPerf100nsecMultiTimerInv:
      return dD == 0 ? 0 : 100 * (items - dN / dD) / items;
    case kPerfSampleFraction:
      return 100 * Ratio(dN, dB);
    case kPerfRawFraction:
    case kPerfLargeRawFraction:
      return r.HasBase ? 100 * Ratio(n1, Signed(r.CurBase)) : 0;
    case kPerfAverageTimer:
      return f == 0 ? 0 : Ratio(dN / f, dB);
    case kPerfAverageBulk:
      return Ratio(dN, dB);
    case kPerfElapsedTime:
      // N is a start time on the object's clock; without one, on the
      // system's file time.
      if (f > 0) return (static_cast<long double>(r.CurTime) - n1) / f;
      return (static_cast<long double>(nowFileTime) - n1) / k100nsPerSecond;
    case kPerfCounterQueuelenType:
    case kPerfCounterLargeQueuelenType:
    case kPerfCounter100nsQueuelenType:
    case kPerfCounterObjTimeQueuelenType:
      return Ratio(dN, dD);
    case kPerfPrecisionSystemTimer:
    case kPerfPrecision100nsTimer:
    case kPerfPrecisionObjectTimer:
      // Timed by the timestamp that follows the counter; by its own clock
      // when the provider gave none.
      return 100 * Ratio(dN, r.HasBase ? dB : dD);
    default:
      return std::nullopt;
  }
}

// The rules by bit field, for counter types Windows does not document.
long double ValueByBitFields(const TPerfMonitorCounterValue& record, std::int64_t nowFileTime) {
  const std::uint32_t type = record.CounterType;
  const bool delta = (type & kDeltaCounter) != 0;
  long double result = 0;
  switch (type & kTypeMask) {
    case kTypeNumber:
      result = Signed(record.CurValue);
      break;
    case kTypeText:
      throw Error("Invalid counter type");
    case kTypeZero:
      result = 0;
      break;
    case kTypeCounter: {
      const long double d = Signed(delta ? record.CurValue - record.PrevValue : record.CurValue);
      long double b = 0;
      if (record.HasBase) b = Signed(delta ? record.CurBase - record.PrevBase : record.CurBase);
      switch (type & kSubtypeMask) {
        case kCounterValue:
          result = d;
          break;
        case kCounterRate:
          result = Ratio(d, static_cast<long double>(record.SinceLast));
          break;
        case kCounterFraction:
          result = Ratio(d, b);
          break;
        case kCounterBase:
          throw Error("PerfUtils Internal error (Perf_COUNTER_BASE)");
        case kCounterElapsed:
          result = (static_cast<long double>(nowFileTime) - d) / k100nsPerSecond;
          break;
        case kCounterQueueLen:
          result = -4;
          break;
        case kCounterHistogram:
          result = -5;
          break;
        default:
          break;
      }
      break;
    }
  }
  if (type & kInverseCounter) result = 1 - result;
  switch (type & kDisplayMask) {
    case kDisplayPerSec:
      result *= k100nsPerSecond;
      break;
    case kDisplayPercent:
      result *= 100;
      break;
    default:
      break;
  }
  return result;
}

}  // namespace

void TakeSample(TPerfMonitorCounterValue& record, TPerfCounterItem& counter,
                const PerfSampleTimes& times, bool first, std::optional<std::int32_t> instance) {
  const PerfCounterDefinition definition = counter.CounterDefinition();
  const bool twoSamples = UsesTwoSamples(definition.CounterType);
  if (twoSamples && !first) {
    record.PrevValue = record.CurValue;
    if (record.HasBase) record.PrevBase = record.CurBase;
    record.PrevTime = record.CurTime;
    record.HasPrevious = true;
  }
  record.SampleTime = times.SampleTime;
  record.SinceLast = times.SinceLast;
  record.SinceFirst = times.SinceFirst;
  record.CurValue = instance ? counter.InstanceRawValue(*instance) : counter.RawValue();
  record.CounterType = definition.CounterType;
  record.CounterSize = definition.CounterSize;
  const Clock clock = ClockOf(definition.CounterType, times.Clocks, counter);
  record.CurTime = clock.time;
  record.Frequency = clock.frequency;
  if (record.HasBase) {
    record.CurBase = instance ? counter.InstanceRawBaseValue(*instance) : counter.RawBaseValue();
    if (const auto base = counter.BaseDefinition()) record.BaseSize = base->CounterSize;
  }
  ++record.SampleCount;
  if (twoSamples && first) {
    record.FirstValue = record.CurValue;
    if (record.HasBase) record.FirstBase = record.CurBase;
    // A new instance has no interval yet: its first value is 0, not its
    // whole count since it started.
    record.PrevValue = record.CurValue;
    record.PrevBase = record.CurBase;
    record.PrevTime = record.CurTime;
  }
}

double CalcValue(const TPerfMonitorCounterValue& record, std::int64_t nowFileTime) {
  const auto documented = DocumentedValue(record, nowFileTime);
  return static_cast<double>(documented ? *documented : ValueByBitFields(record, nowFileTime));
}

std::string CounterUnits(std::uint32_t counterType) {
  switch (counterType & kDisplayMask) {
    case kDisplayPerSec:
      return "/sec";
    case kDisplayPercent:
      return "%";
    case kDisplaySeconds:
      return "secs";
    default:
      return "";
  }
}

}  // namespace haltwise
