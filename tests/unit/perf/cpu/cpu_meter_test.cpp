#include "perf/cpu/cpu_meter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_system_info.h"

namespace haltwise {
namespace {

// A hand-made performance data block: an optional object before the
// Processor object, then the Processor object with a "% User Time"
// counter ahead of the processor-time counter and one instance per idle
// value. Offsets follow the published PERF_* layout.
struct ProcessorBlock {
  SystemTime time{2025, 1, 3, 1, 12, 0, 0, 0};
  std::vector<std::int64_t> idle;
  bool objectBefore = false;
  std::uint32_t objectTitle = 238;
  std::uint32_t counterTitle = 6;
};

class Bytes {
 public:
  std::size_t Reserve(std::size_t n) {
    const std::size_t at = data.size();
    data.resize(at + n);
    return at;
  }
  void Put32(std::size_t at, std::uint32_t v) { std::memcpy(&data[at], &v, 4); }
  void Put64(std::size_t at, std::int64_t v) { std::memcpy(&data[at], &v, 8); }
  std::vector<std::uint8_t> data;
};

void PutCounterDefinition(Bytes& b, std::uint32_t title, std::uint32_t offset) {
  const std::size_t at = b.Reserve(40);
  b.Put32(at, 40);
  b.Put32(at + 4, title);
  b.Put32(at + 28, 0x20510500);  // PERF_100NSEC_TIMER
  b.Put32(at + 32, 8);
  b.Put32(at + 36, offset);
}

std::vector<std::uint8_t> Build(const ProcessorBlock& spec) {
  Bytes b;
  b.Reserve(88);
  std::memcpy(b.data.data(), u"PERF", 8);
  b.Put32(24, 88);
  b.Put32(28, spec.objectBefore ? 2 : 1);
  std::memcpy(&b.data[36], &spec.time, 16);

  if (spec.objectBefore) {  // "System", no instances
    const std::size_t object = b.Reserve(64);
    PutCounterDefinition(b, 10, 8);
    const std::size_t counters = b.Reserve(16);
    b.Put32(counters, 16);
    b.Put32(object, static_cast<std::uint32_t>(b.data.size() - object));
    b.Put32(object + 4, 64 + 40);
    b.Put32(object + 8, 64);
    b.Put32(object + 12, 2);
    b.Put32(object + 32, 1);
    b.Put32(object + 40, static_cast<std::uint32_t>(-1));
  }

  const std::size_t object = b.Reserve(64);
  PutCounterDefinition(b, 142, 16);
  PutCounterDefinition(b, spec.counterTitle, 8);
  b.Put32(object + 4, 64 + 2 * 40);
  b.Put32(object + 8, 64);
  b.Put32(object + 12, spec.objectTitle);
  b.Put32(object + 32, 2);
  b.Put32(object + 40, static_cast<std::uint32_t>(spec.idle.size()));
  for (std::int64_t idle : spec.idle) {
    const std::size_t instance = b.Reserve(24 + 8);  // definition and a short name
    b.Put32(instance, 32);
    b.Put32(instance + 16, 24);
    b.Put32(instance + 20, 4);
    const std::size_t counters = b.Reserve(24);
    b.Put32(counters, 24);
    b.Put64(counters + 8, idle);
  }
  b.Put32(object, static_cast<std::uint32_t>(b.data.size() - object));
  b.Put32(20, static_cast<std::uint32_t>(b.data.size()));
  return b.data;
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
  void Serve(const ProcessorBlock& spec) { block = Build(spec); }

  fake::FakeRegistry registry;
  fake::FakeSystemInfo system;
  std::vector<std::uint8_t> block;
};

TEST_F(NtCpuMeterTest, UsageOfEachInstanceIsOneMinusItsIdleShareOfTheElapsedTime) {
  ProcessorBlock spec;
  spec.idle = {1000, 2000, 3000};  // two processors and the total
  Serve(spec);
  CpuMeter meter(registry, system);
  EXPECT_TRUE(meter.IsNT());
  EXPECT_EQ(meter.CpuCount(), 3);

  spec.time.second = 1;
  spec.idle = {1000 + kOneSecond / 4, 2000 + kOneSecond, 3000};
  Serve(spec);
  meter.RefreshCpuSample();
  EXPECT_DOUBLE_EQ(meter.CpuUsage(0), 0.75);
  EXPECT_DOUBLE_EQ(meter.CpuUsage(1), 0.0);
  EXPECT_DOUBLE_EQ(meter.CpuUsage(2), 1.0);
}

TEST_F(NtCpuMeterTest, TwoSamplesWithTheSameSystemTimeGiveZero) {
  ProcessorBlock spec;
  spec.idle = {5, 6};
  Serve(spec);
  CpuMeter meter(registry, system);
  meter.RefreshCpuSample();
  spec.idle = {5 + kOneSecond, 6};
  Serve(spec);
  meter.RefreshCpuSample();
  EXPECT_EQ(meter.CpuUsage(0), 0.0);
  EXPECT_EQ(meter.CpuUsage(1), 0.0);
}

TEST_F(NtCpuMeterTest, FirstSampleIsTakenOnDemandOnlyOnce) {
  ProcessorBlock spec;
  spec.idle = {1};
  Serve(spec);
  CpuMeter meter(registry, system);
  meter.CpuUsage(0);
  meter.CpuUsage(0);
  EXPECT_EQ(meter.CpuCount(), 1);
  EXPECT_EQ(registry.CountCalls("RegQueryValueEx"), 1);
  EXPECT_NE(registry.Calls()[0].arguments.find("HKPD 238"), std::string::npos);
}

TEST_F(NtCpuMeterTest, ProcessorObjectIsFoundBehindOtherObjects) {
  ProcessorBlock spec;
  spec.objectBefore = true;
  spec.idle = {0, 0};
  Serve(spec);
  CpuMeter meter(registry, system);
  EXPECT_EQ(meter.CpuCount(), 2);
}

TEST_F(NtCpuMeterTest, IndexOutsideTheInstancesIsRefused) {
  ProcessorBlock spec;
  spec.idle = {0, 0};
  Serve(spec);
  CpuMeter meter(registry, system);
  for (int index : {-1, 2}) {
    EXPECT_EQ(ErrorMessageOf([&] { meter.CpuUsage(index); }), "CPU index out of bounds");
  }
}

TEST_F(NtCpuMeterTest, BufferDoublesUntilTheBlockFits) {
  ProcessorBlock spec;
  spec.idle.assign(600, 0);  // 600 instances of 56 bytes: about 34 KB
  Serve(spec);
  CpuMeter meter(registry, system);
  EXPECT_EQ(meter.CpuCount(), 600);
  EXPECT_EQ(registry.CountCalls("RegQueryValueEx"), 4);  // 8, 16, 32 and 64 KB
}

TEST_F(NtCpuMeterTest, ProcessorObjectWithoutTheProcessorTimeCounterIsAnError) {
  ProcessorBlock spec;
  spec.idle = {0};
  spec.counterTitle = 7;
  Serve(spec);
  CpuMeter meter(registry, system);
  EXPECT_EQ(ErrorMessageOf([&] { meter.RefreshCpuSample(); }),
            "Unable to locate the \"% of CPU usage\" performance counter");
}

// Without a Processor object in the performance data the system-wide times
// stand in as a single processor.
TEST_F(NtCpuMeterTest, SystemTimesStandInWhenThereIsNoProcessorObject) {
  const std::vector<std::uint8_t> noProcessor = [] {
    ProcessorBlock spec;
    spec.idle = {0};
    spec.objectTitle = 230;
    return Build(spec);
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

TEST_F(NtCpuMeterTest, LyingBlocksRaiseErrorsInsteadOfReadingOutside) {
  ProcessorBlock spec;
  spec.idle = {1, 2};
  const std::vector<std::uint8_t> good = Build(spec);
  const std::size_t object = 88;
  const std::size_t firstInstance = object + 64 + 80;
  struct Lie {
    const char* name;
    std::size_t at;
    std::uint32_t value;
    bool truncate = false;
  };
  const Lie lies[] = {
      {"header length past the end", 24, 0xFFFFFF00},
      {"huge instance count", object + 40, 0x7FFFFFFF},
      {"counter offset outside", object + 64 + 40 + 36, 0x10000000},
      {"counter definition length zero", object + 64, 0},
      {"instance length zero", firstInstance, 0},
      {"counter block length zero", firstInstance + 32, 0},
      {"block cut short", 0, 0, true},
  };
  for (const Lie& lie : lies) {
    SCOPED_TRACE(lie.name);
    block = good;
    if (lie.at != 0) std::memcpy(&block[lie.at], &lie.value, 4);
    if (lie.truncate) block.resize(object + 64 + 60);
    CpuMeter meter(registry, system);
    EXPECT_EQ(ErrorMessageOf([&] { meter.RefreshCpuSample(); }), "Invalid performance data block");
  }
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
