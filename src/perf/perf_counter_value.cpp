#include "perf/perf_counter_value.h"

#include "perf/perf_counter_item.h"
#include "perf/perf_layout.h"
#include "platform/error.h"

namespace haltwise {

using namespace perf;

void TakeSample(TPerfMonitorCounterValue& record, TPerfCounterItem& counter,
                const PerfSampleTimes& times, bool first, std::optional<std::int32_t> instance) {
  const PerfCounterDefinition definition = counter.CounterDefinition();
  const bool delta = (definition.CounterType & kDeltaCounter) != 0;
  if (delta && !first) {
    record.PrevValue = record.CurValue;
    if (record.HasBase) record.PrevBase = record.CurBase;
    record.HasPrevious = true;
  }
  record.SampleTime = times.SampleTime;
  record.SinceLast = times.SinceLast;
  record.SinceFirst = times.SinceFirst;
  record.CurValue = instance ? counter.InstanceRawValue(*instance) : counter.RawValue();
  record.CounterType = definition.CounterType;
  if (record.HasBase) {
    record.CurBase = instance ? counter.InstanceRawBaseValue(*instance) : counter.RawBaseValue();
  }
  ++record.SampleCount;
  if (delta && first) {
    record.FirstValue = record.CurValue;
    if (record.HasBase) record.FirstBase = record.CurBase;
  }
}

double CalcValue(const TPerfMonitorCounterValue& record, std::int64_t nowFileTime) {
  const std::uint32_t type = record.CounterType;
  const bool delta = (type & kDeltaCounter) != 0;
  // Raw values are unsigned, but take part in the arithmetic as signed ones.
  auto signedValue = [](std::uint64_t value) {
    return static_cast<long double>(static_cast<std::int64_t>(value));
  };
  long double result = 0;
  switch (type & kTypeMask) {
    case kTypeNumber:
      result = signedValue(record.CurValue);
      break;
    case kTypeText:
      throw Error("Invalid counter type");
    case kTypeZero:
      result = 0;
      break;
    case kTypeCounter: {
      const long double d = signedValue(delta ? record.CurValue - record.PrevValue : record.CurValue);
      long double b = 0;
      if (record.HasBase) b = signedValue(delta ? record.CurBase - record.PrevBase : record.CurBase);
      switch (type & kSubtypeMask) {
        case kCounterValue:
          result = d;
          break;
        case kCounterRate:
          result = record.SinceLast == 0 ? 0 : d / static_cast<long double>(record.SinceLast);
          break;
        case kCounterFraction:
          result = b == 0 ? 0 : d / b;
          break;
        case kCounterBase:
          throw Error("PerfUtils Internal error (Perf_COUNTER_BASE)");
        case kCounterElapsed:
          result = (static_cast<long double>(nowFileTime) - d) / 10000000.0L;
          break;
        case kCounterQueueLen:
          result = -4;
          break;
        case kCounterHistogram:
          result = -5;
          break;
        default:  // precision counters are not evaluated
          break;
      }
      break;
    }
  }
  if (type & kInverseCounter) result = 1 - result;
  switch (type & kDisplayMask) {
    case kDisplayPerSec:
      result *= 10000000.0L;
      break;
    case kDisplayPercent:
      result *= 100;
      break;
    default:
      break;
  }
  return static_cast<double>(result);
}

std::string CounterUnits(std::uint32_t counterType) {
  switch (counterType & kDisplayMask) {
    case kDisplayPerSec: return "/sec";
    case kDisplayPercent: return "%";
    case kDisplaySeconds: return "secs";
    default: return "";
  }
}

}  // namespace haltwise
