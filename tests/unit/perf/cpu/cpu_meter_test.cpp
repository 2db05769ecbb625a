#include "perf/cpu/cpu_meter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "perf/perf_layout.h"
#include "perf/testing/perf_block_writer.h"
#include "platform/error.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_system_info.h"

namespace haltwise {
namespace {

// A performance data block with an optional "System" object before the
// Processor object, which has a "% User Time" counter ahead of the
// processor-time counter and one instance per idle value.
struct ProcessorBlock {
  SystemTime time{2025, 1, 3, 1, 12, 0, 0, 0};
  std::vector<std::int64_t> idle;
  bool objectBefore = false;
  std::uint32_t objectTitle = 238;
  std::uint32_t counterTitle = 6;
};

std::vector<std::uint8_t> Build(const ProcessorBlock& layout) {
  perftest::BlockSpec block;
  block.systemTime = layout.time;
  if (layout.objectBefore) {
    perftest::ObjectSpec system;
    system.nameIndex = 2;
    system.counters = {{10, 11, perf::kPerfCounterRawcount, {}}};
    system.values = {0};
    block.objects.push_back(system);
  }
  perftest::ObjectSpec processor;
  processor.nameIndex = layout.objectTitle;
  processor.counters = {{142, 143, perf::kPerf100nsecTimer, {}},
                        {layout.counterTitle, 7, perf::kPerf100nsecTimerInv, {}}};
  processor.instances.emplace();
  for (std::size_t i = 0; i < layout.idle.size(); ++i) {
    perftest::InstanceSpec instance;
    instance.name = std::to_string(i);
    instance.values = {0, static_cast<std::uint64_t>(layout.idle[i])};
    processor.instances->push_back(instance);
  }
  block.objects.push_back(processor);
  return perftest::WritePerfBlock(block);
}

// A field of the written block, to find where a lie goes.
std::uint32_t U32At(const std::vector<std::uint8_t>& block, std::size_t at) {
  std::uint32_t value = 0;
  if (at + 4 <= block.size()) std::memcpy(&value, block.data() + at, 4);
  return value;
}

template <typename Action>
std::string ErrorMessageOf(Action action) {
  try {
    action();
  } catch (const Error& e) {
    return e.Message();
  }
  return "(no error)";
}

constexpr std::int64_t kOneSecond = 10'000'000;  // in 100-ns units

class NtCpuMeterTest : public ::testing::Test {
 protected:
  NtCpuMeterTest() {
    registry.SetPerformanceProvider([this](const std::string& value) {
      return value == "238" ? block : std::vector<std::uint8_t>();
    });
  }
  void Serve(const ProcessorBlock& layout) { block = Build(layout); }

  fake::FakeRegistry registry;
  fake::FakeSystemInfo system;
  std::vector<std::uint8_t> block;
};

TEST_F(NtCpuMeterTest, UsageOfEachInstanceIsOneMinusItsIdleShareOfTheElapsedTime) {
  ProcessorBlock layout;
  layout.idle = {1000, 2000, 3000};  // two processors and the total
  Serve(layout);
  CpuMeter meter(registry, system);
  EXPECT_TRUE(meter.IsNT());
  EXPECT_EQ(meter.CpuCount(), 3);

  layout.time.second = 1;
  layout.idle = {1000 + kOneSecond / 4, 2000 + kOneSecond, 3000};
  Serve(layout);
  meter.RefreshCpuSample();
  EXPECT_DOUBLE_EQ(meter.CpuUsage(0), 0.75);
  EXPECT_DOUBLE_EQ(meter.CpuUsage(1), 0.0);
  EXPECT_DOUBLE_EQ(meter.CpuUsage(2), 1.0);
}

TEST_F(NtCpuMeterTest, TwoSamplesWithTheSameSystemTimeGiveZero) {
  ProcessorBlock layout;
  layout.idle = {5, 6};
  Serve(layout);
  CpuMeter meter(registry, system);
  meter.RefreshCpuSample();
  layout.idle = {5 + kOneSecond, 6};
  Serve(layout);
  meter.RefreshCpuSample();
  EXPECT_EQ(meter.CpuUsage(0), 0.0);
  EXPECT_EQ(meter.CpuUsage(1), 0.0);
}

TEST_F(NtCpuMeterTest, FirstSampleIsTakenOnDemandOnlyOnce) {
  ProcessorBlock layout;
  layout.idle = {1};
  Serve(layout);
  CpuMeter meter(registry, system);
  meter.CpuUsage(0);
  meter.CpuUsage(0);
  EXPECT_EQ(meter.CpuCount(), 1);
  EXPECT_EQ(registry.CountCalls("RegQueryValueEx"), 1);
  EXPECT_NE(registry.Calls()[0].arguments.find("HKPD 238"), std::string::npos);
}

TEST_F(NtCpuMeterTest, ProcessorObjectIsFoundBehindOtherObjects) {
  ProcessorBlock layout;
  layout.objectBefore = true;
  layout.idle = {0, 0};
  Serve(layout);
  CpuMeter meter(registry, system);
  EXPECT_EQ(meter.CpuCount(), 2);
}

TEST_F(NtCpuMeterTest, IndexOutsideTheInstancesIsRefused) {
  ProcessorBlock layout;
  layout.idle = {0, 0};
  Serve(layout);
  CpuMeter meter(registry, system);
  for (int index : {-1, 2}) {
    EXPECT_EQ(ErrorMessageOf([&] { meter.CpuUsage(index); }), "CPU index out of bounds");
  }
}

TEST_F(NtCpuMeterTest, BufferDoublesUntilTheBlockFits) {
  ProcessorBlock layout;
  layout.idle.assign(600, 0);
  Serve(layout);
  ASSERT_GT(block.size(), 32768u);
  ASSERT_LE(block.size(), 65536u);
  CpuMeter meter(registry, system);
  EXPECT_EQ(meter.CpuCount(), 600);
  EXPECT_EQ(registry.CountCalls("RegQueryValueEx"), 4);  // 8, 16, 32 and 64 KB
}

TEST_F(NtCpuMeterTest, ProcessorObjectWithoutTheProcessorTimeCounterIsAnError) {
  ProcessorBlock layout;
  layout.idle = {0};
  layout.counterTitle = 7;
  Serve(layout);
  CpuMeter meter(registry, system);
  EXPECT_EQ(ErrorMessageOf([&] { meter.RefreshCpuSample(); }),
            "Unable to locate the \"% of CPU usage\" performance counter");
}

// Without a Processor object in the performance data the system-wide times
// stand in as a single processor.
TEST_F(NtCpuMeterTest, SystemTimesStandInWhenThereIsNoProcessorObject) {
  const std::vector<std::uint8_t> noProcessor = [] {
    ProcessorBlock layout;
    layout.idle = {0};
    layout.objectTitle = 230;
    return Build(layout);
  }();
  const std::vector<std::vector<std::uint8_t>> blocks = {{}, noProcessor};
  for (const auto& served : blocks) {
    block = served;
    system.idleTime = 100;
    system.kernelTime = 300;
    system.userTime = 100;
    CpuMeter meter(registry, system);
    EXPECT_EQ(meter.CpuCount(), 1);
    system.idleTime += 300;
    system.kernelTime += 500;
    system.userTime += 500;
    meter.RefreshCpuSample();
    EXPECT_DOUBLE_EQ(meter.CpuUsage(0), 0.7);
    meter.RefreshCpuSample();
    EXPECT_EQ(meter.CpuUsage(0), 0.0);  // no time passed
  }
}

TEST_F(NtCpuMeterTest, FailedQueryAlsoFallsBackButBothSourcesFailingIsAnError) {
  registry.FailCall("RegQueryValueEx", win::kErrorAccessDenied);
  {
    CpuMeter meter(registry, system);
    EXPECT_EQ(meter.CpuCount(), 1);
  }
  system.FailCall("GetSystemTimes", 5);
  CpuMeter meter(registry, system);
  EXPECT_EQ(ErrorMessageOf([&] { meter.RefreshCpuSample(); }),
            "Unable to locate the \"Processor\" performance object");
}

// Counters of two sources cannot be compared: the one found first is kept.
TEST_F(NtCpuMeterTest, SourceFoundAtTheFirstSampleIsKept) {
  ProcessorBlock layout;
  layout.idle = {0, 0, 0};
  {
    CpuMeter meter(registry, system);  // nothing served yet: system times
    EXPECT_EQ(meter.CpuCount(), 1);
    Serve(layout);
    registry.ClearCalls();
    meter.RefreshCpuSample();
    EXPECT_EQ(meter.CpuCount(), 1);
    EXPECT_EQ(registry.CountCalls("RegQueryValueEx"), 0);
  }
  CpuMeter meter(registry, system);
  EXPECT_EQ(meter.CpuCount(), 3);
  block.clear();
  EXPECT_EQ(ErrorMessageOf([&] { meter.RefreshCpuSample(); }),
            "Unable to locate the \"Processor\" performance object");
}

TEST_F(NtCpuMeterTest, LyingBlocksRaiseErrorsInsteadOfReadingOutside) {
  ProcessorBlock layout;
  layout.idle = {1, 2};
  const std::vector<std::uint8_t> good = Build(layout);
  const std::size_t object = U32At(good, 24);
  const std::size_t firstCounter = object + U32At(good, object + 8);
  const std::size_t firstInstance = object + U32At(good, object + 4);
  const std::size_t firstCounterBlock = firstInstance + U32At(good, firstInstance);
  ASSERT_EQ(U32At(good, firstCounter + 40 + 4), 6u);  // the processor-time counter is second
  struct Lie {
    const char* name;
    std::size_t at;
    std::uint32_t value;
  };
  const Lie lies[] = {
      {"header length past the end", 24, 0xFFFFFF00},
      {"huge instance count", object + 40, 0x7FFFFFFF},
      {"counter definition length zero", firstCounter, 0},
      {"counter offset outside", firstCounter + 40 + 36, 0x10000000},
      {"instance length zero", firstInstance, 0},
      {"counter block length zero", firstCounterBlock, 0},
  };
  for (const Lie& lie : lies) {
    SCOPED_TRACE(lie.name);
    block = good;
    perftest::PutU32(block, lie.at, lie.value);
    CpuMeter meter(registry, system);
    EXPECT_EQ(ErrorMessageOf([&] { meter.RefreshCpuSample(); }), "Invalid performance data block");
  }
  block = good;
  block.resize(firstCounter + 60);
  CpuMeter meter(registry, system);
  EXPECT_EQ(ErrorMessageOf([&] { meter.RefreshCpuSample(); }), "Invalid performance data block");
}

TEST(CpuMeterVersion, FailedVersionQueryIsAnError) {
  fake::FakeRegistry registry;
  fake::FakeSystemInfo system;
  system.FailCall("GetVersionEx", 1);
  EXPECT_EQ(ErrorMessageOf([&] { CpuMeter meter(registry, system); }),
            "Can't get the Windows version");
}

class Win9xCpuMeterTest : public ::testing::Test {
 protected:
  Win9xCpuMeterTest() {
    system.platformId = 1;
    AddStatisticKeys(registry);
  }
  static void AddStatisticKeys(fake::FakeRegistry& r) {
    for (const char* key : {"StartStat", "StatData", "StopStat"}) {
      r.SetDwordValue(std::string("HKDD\\PerfStats\\") + key, "KERNEL\\CPUUsage", 37);
    }
  }
  fake::FakeRegistry registry;
  fake::FakeSystemInfo system;
};

TEST_F(Win9xCpuMeterTest, KernelStatisticIsOneProcessorInPercent) {
  CpuMeter meter(registry, system);
  EXPECT_FALSE(meter.IsNT());
  EXPECT_EQ(meter.CpuCount(), 1);
  EXPECT_DOUBLE_EQ(meter.CpuUsage(0), 0.37);
  EXPECT_THROW(meter.CpuUsage(1), Error);

  registry.SetDwordValue("HKDD\\PerfStats\\StatData", "KERNEL\\CPUUsage", 80);
  meter.RefreshCpuSample();
  EXPECT_DOUBLE_EQ(meter.CpuUsage(0), 0.80);
  EXPECT_EQ(registry.OpenHandleCount(), 1);  // the data key stays open

  meter.StopCpuSampling();
  EXPECT_EQ(registry.OpenHandleCount(), 0);
  EXPECT_NE(registry.Calls().back().arguments.find("STOPSTAT"), std::string::npos);
  EXPECT_EQ(registry.CountCalls("RegOpenKeyEx"), 3);
  meter.StopCpuSampling();  // already stopped: nothing more
  EXPECT_EQ(registry.CountCalls("RegOpenKeyEx"), 3);
}

TEST_F(Win9xCpuMeterTest, MissingStatisticKeysRaiseTheirMessages) {
  const std::pair<const char*, const char*> cases[] = {
      {"STARTSTAT", "Unable to start performance monitoring"},
      {"STATDATA", "Unable to read performance data"},
  };
  for (const auto& [key, message] : cases) {
    fake::FakeRegistry failing;
    AddStatisticKeys(failing);
    failing.FailCall("RegOpenKeyEx", win::kErrorFileNotFound, -1, key);
    CpuMeter meter(failing, system);
    EXPECT_EQ(ErrorMessageOf([&] { meter.RefreshCpuSample(); }), message);
    EXPECT_EQ(failing.OpenHandleCount(), 0);
  }
}

TEST_F(Win9xCpuMeterTest, StoppingIgnoresAMissingStopKeyAndHappensAtTheEnd) {
  registry.FailCall("RegOpenKeyEx", win::kErrorFileNotFound, -1, "STOPSTAT");
  {
    CpuMeter meter(registry, system);
    meter.RefreshCpuSample();
  }
  EXPECT_EQ(registry.OpenHandleCount(), 0);
  EXPECT_EQ(registry.CountCalls("RegOpenKeyEx"), 3);
}

}  // namespace
}  // namespace haltwise
