#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/datetime.h"

// The published Windows performance data layout (winperf.h): field offsets,
// structure sizes and the CounterType bit fields. All fields are little-endian.
namespace haltwise::perf {

// PERF_DATA_BLOCK: the snapshot header.
inline constexpr std::size_t kDataBlockSize = 88;
inline constexpr std::size_t kDataBlockTotalByteLength = 20;
inline constexpr std::size_t kDataBlockHeaderLength = 24;
inline constexpr std::size_t kDataBlockNumObjectTypes = 28;
inline constexpr std::size_t kDataBlockSystemTime = 36;
inline constexpr std::size_t kDataBlockPerfTime = 56;
inline constexpr std::size_t kDataBlockPerfFreq = 64;
inline constexpr std::size_t kDataBlockPerfTime100nSec = 72;

// PERF_OBJECT_TYPE (the same size in 32-bit and 64-bit processes).
inline constexpr std::size_t kObjectTypeSize = 64;
// PERF_COUNTER_DEFINITION.
inline constexpr std::size_t kCounterDefinitionSize = 40;
// PERF_INSTANCE_DEFINITION.
inline constexpr std::size_t kInstanceDefinitionSize = 24;
// PERF_COUNTER_BLOCK.
inline constexpr std::size_t kCounterBlockSize = 4;

inline constexpr std::int32_t kPerfNoInstances = -1;

// CounterType bit fields.
inline constexpr std::uint32_t kSizeMask = 0x300;
inline constexpr std::uint32_t kSizeDword = 0x000;
inline constexpr std::uint32_t kSizeLarge = 0x100;
inline constexpr std::uint32_t kSizeZero = 0x200;
inline constexpr std::uint32_t kSizeVariableLen = 0x300;

inline constexpr std::uint32_t kTypeMask = 0xC00;
inline constexpr std::uint32_t kTypeNumber = 0x000;
inline constexpr std::uint32_t kTypeCounter = 0x400;
inline constexpr std::uint32_t kTypeText = 0x800;
inline constexpr std::uint32_t kTypeZero = 0xC00;

inline constexpr std::uint32_t kSubtypeMask = 0xF0000;
inline constexpr std::uint32_t kCounterValue = 0x00000;
inline constexpr std::uint32_t kCounterRate = 0x10000;
inline constexpr std::uint32_t kCounterFraction = 0x20000;
inline constexpr std::uint32_t kCounterBase = 0x30000;
inline constexpr std::uint32_t kCounterElapsed = 0x40000;
inline constexpr std::uint32_t kCounterQueueLen = 0x50000;
inline constexpr std::uint32_t kCounterHistogram = 0x60000;
inline constexpr std::uint32_t kCounterPrecision = 0x70000;

inline constexpr std::uint32_t kTimeBaseMask = 0x300000;
inline constexpr std::uint32_t kTimerTick = 0x000000;
inline constexpr std::uint32_t kTimer100ns = 0x100000;
inline constexpr std::uint32_t kObjectTimer = 0x200000;

inline constexpr std::uint32_t kDeltaCounter = 0x400000;
inline constexpr std::uint32_t kInverseCounter = 0x1000000;
inline constexpr std::uint32_t kMultiCounter = 0x2000000;

inline constexpr std::uint32_t kDisplayMask = 0xF0000000;
inline constexpr std::uint32_t kDisplayNoSuffix = 0x00000000;
inline constexpr std::uint32_t kDisplayPerSec = 0x10000000;
inline constexpr std::uint32_t kDisplayPercent = 0x20000000;
inline constexpr std::uint32_t kDisplaySeconds = 0x30000000;
inline constexpr std::uint32_t kDisplayNoShow = 0x40000000;

// The common counter types, as providers publish them.
inline constexpr std::uint32_t kPerfCounterRawcount = 0x00010000;
inline constexpr std::uint32_t kPerfCounterLargeRawcount = 0x00010100;
inline constexpr std::uint32_t kPerfCounterRawcountHex = 0x00000000;
inline constexpr std::uint32_t kPerfCounterLargeRawcountHex = 0x00000100;
inline constexpr std::uint32_t kPerfCounterCounter = 0x10410400;
inline constexpr std::uint32_t kPerfCounterBulkCount = 0x10410500;
inline constexpr std::uint32_t kPerfSampleCounter = 0x00410400;
inline constexpr std::uint32_t kPerfCounterDelta = 0x00400400;
inline constexpr std::uint32_t kPerfCounterLargeDelta = 0x00400500;
inline constexpr std::uint32_t kPerfCounterTimer = 0x20410500;
inline constexpr std::uint32_t kPerfCounterTimerInv = 0x21410500;
inline constexpr std::uint32_t kPerf100nsecTimer = 0x20510500;
inline constexpr std::uint32_t kPerfObjTimeTimer = 0x20610500;
inline constexpr std::uint32_t kPerf100nsecTimerInv = 0x21510500;
inline constexpr std::uint32_t kPerfCounterMultiTimer = 0x22410500;
inline constexpr std::uint32_t kPerf100nsecMultiTimer = 0x22510500;
inline constexpr std::uint32_t kPerfCounterMultiTimerInv = 0x23410500;
inline constexpr std::uint32_t kPerf100nsecMultiTimerInv = 0x23510500;
inline constexpr std::uint32_t kPerfSampleFraction = 0x20C20400;
inline constexpr std::uint32_t kPerfRawFraction = 0x20020400;
inline constexpr std::uint32_t kPerfLargeRawFraction = 0x20020500;
inline constexpr std::uint32_t kPerfAverageTimer = 0x30020400;
inline constexpr std::uint32_t kPerfAverageBulk = 0x40020500;
inline constexpr std::uint32_t kPerfElapsedTime = 0x30240500;
inline constexpr std::uint32_t kPerfCounterQueuelenType = 0x00450400;
inline constexpr std::uint32_t kPerfCounterLargeQueuelenType = 0x00450500;
inline constexpr std::uint32_t kPerfCounter100nsQueuelenType = 0x00550500;
inline constexpr std::uint32_t kPerfCounterObjTimeQueuelenType = 0x00650500;
inline constexpr std::uint32_t kPerfPrecisionSystemTimer = 0x20470500;
inline constexpr std::uint32_t kPerfPrecision100nsTimer = 0x20570500;
inline constexpr std::uint32_t kPerfPrecisionObjectTimer = 0x20670500;
inline constexpr std::uint32_t kPerfSampleBase = 0x40030401;
inline constexpr std::uint32_t kPerfAverageBase = 0x40030402;
inline constexpr std::uint32_t kPerfCounterMultiBase = 0x42030500;
inline constexpr std::uint32_t kPerfRawBase = 0x40030403;
inline constexpr std::uint32_t kPerfLargeRawBase = 0x40030500;
inline constexpr std::uint32_t kPerfPrecisionTimestamp = 0x40030500;
inline constexpr std::uint32_t kPerfCounterText = 0x00000B00;
inline constexpr std::uint32_t kPerfCounterNodata = 0x40000200;

// Decoded copies of the structures; `Offset` is where the structure starts
// within the snapshot.
struct PerfObjectType {
  std::size_t Offset = 0;
  std::uint32_t TotalByteLength = 0;
  std::uint32_t DefinitionLength = 0;
  std::uint32_t HeaderLength = 0;
  std::uint32_t ObjectNameTitleIndex = 0;
  std::uint32_t ObjectHelpTitleIndex = 0;
  std::uint32_t NumCounters = 0;
  std::int32_t NumInstances = 0;
  // The object's own clock, read by PERF_OBJECT_TIMER counters.
  std::int64_t PerfTime = 0;
  std::int64_t PerfFreq = 0;
};

// The clocks of a snapshot's header: PerfTime in ticks of PerfFreq per
// second, and PerfTime100nSec in 100-ns units.
struct PerfBlockClocks {
  std::int64_t PerfTime = 0;
  std::int64_t PerfFreq = 0;
  std::int64_t PerfTime100nSec = 0;
};

struct PerfCounterDefinition {
  std::size_t Offset = 0;
  std::uint32_t ByteLength = 0;
  std::uint32_t CounterNameTitleIndex = 0;
  std::uint32_t CounterHelpTitleIndex = 0;
  std::uint32_t CounterType = 0;
  std::uint32_t CounterSize = 0;
  std::uint32_t CounterOffset = 0;
};

struct PerfInstanceDefinition {
  std::size_t Offset = 0;
  std::uint32_t ByteLength = 0;
  std::uint32_t NameOffset = 0;
  std::uint32_t NameLength = 0;
};

}  // namespace haltwise::perf
