// libFuzzer target: the processor meter behind the CPU graph and the CPU idle
// watch, fed with what Windows returns: Processor object blocks, or the
// system-wide processor times where a block holds no Processor object, on the
// NT family; the kernel's CPU statistic on the 9x family. Whatever the data,
// every sample either raises the program's own error or gives a processor
// count that stays what the first sample found, a finite usage for each
// processor, and a CPU graph value from 0 to 100 %.
//
// Input: one byte of flags (bit 0: the 9x family), then the samples Windows
// returns in turn, separated by the eight characters "HALTWISE". The first
// 24 bytes of a sample are also the idle, kernel and user times.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "app/load_samplers.h"
#include "app/watch.h"
#include "controls/log_graph.h"
#include "eventlog/event_log.h"
#include "fuzz_support.h"
#include "gfx/builtin_font.h"
#include "gfx/system_colors.h"
#include "perf/cpu/cpu_meter.h"
#include "platform/error.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_event_source.h"
#include "platform/fake/fake_input_activity.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_security.h"
#include "platform/fake/fake_system_info.h"

namespace {

using namespace haltwise;

constexpr std::size_t kMostSamples = 4;
constexpr int kSeconds = 2 * kMostSamples;

class Machine {
 public:
  Machine(bool win9x, const std::vector<std::vector<std::uint8_t>>& samples) : samples_(samples) {
    if (win9x) {
      systemInfo_.platformId = 1;
      registry_.CreateKey("HKDD\\PerfStats\\StartStat");
      registry_.CreateKey("HKDD\\PerfStats\\StopStat");
    } else {
      registry_.SetPerformanceProvider([this](const std::string&) { return Sample(); });
    }
    Next();
  }

  // Windows moves on to the next sample.
  void Next() {
    const std::vector<std::uint8_t>& sample = Sample();
    registry_.SetValue("HKDD\\PerfStats\\StatData", "KERNEL\\CPUUsage", sample);
    std::int64_t times[3] = {};
    if (!sample.empty()) std::memcpy(times, sample.data(), std::min(sample.size(), sizeof times));
    systemInfo_.idleTime = times[0];
    systemInfo_.kernelTime = times[1];
    systemInfo_.userTime = times[2];
    ++second_;
  }

  fake::FakeRegistry& Registry() { return registry_; }
  fake::FakeSystemInfo& SystemInfo() { return systemInfo_; }

 private:
  const std::vector<std::uint8_t>& Sample() const { return samples_[second_ % samples_.size()]; }

  const std::vector<std::vector<std::uint8_t>>& samples_;
  std::size_t second_ = 0;
  fake::FakeRegistry registry_;
  fake::FakeSystemInfo systemInfo_;
};

// What the window's samplers need besides the meter; the CPU usage itself
// touches none of it, so one set serves every input.
struct SamplerParts {
  BuiltinFontRasteriser fonts;
  ClassicSystemColors colors;
  fake::FakeRegistry registry;
  fake::FakeEventSource eventSource;
  fake::FakeSecurity security;
  fake::FakeInputActivity input;
  TEventLog eventLog{registry, eventSource, security};
  fake::FakeClock clock;
  RepeatedEntries entries{eventLog, clock};
  Watch watch;
  TLogGraph cpu{fonts, colors}, net{fonts, colors}, disk{fonts, colors}, custom{fonts, colors};

  LoadSamplers SamplersFor(CpuMeter& meter) {
    return {meter, input, entries, watch, {cpu, net, disk, custom}};
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool win9x = (data[0] & 1) != 0;
  std::vector<std::vector<std::uint8_t>> samples;
  for (std::string_view part : fuzz::SplitParts(
           std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), kMostSamples)) {
    samples.emplace_back(part.begin(), part.end());
  }

  static SamplerParts parts;
  Machine machine(win9x, samples);
  CpuMeter meter(machine.Registry(), machine.SystemInfo());
  LoadSamplers samplers = parts.SamplersFor(meter);
  int firstCount = -1;
  // As the CPU graph samples: once a second, until the first failure.
  try {
    for (int second = 0; second < kSeconds; ++second) {
      const int percent = samplers.CpuUsagePercent();
      fuzz::Check(percent >= 0 && percent <= 100, "the CPU graph shows 0 to 100 %",
                  std::to_string(percent));
      const int count = meter.CpuCount();
      if (firstCount < 0) firstCount = count;
      fuzz::Check(count == firstCount, "the processor count stays what the first sample found",
                  std::to_string(firstCount) + " then " + std::to_string(count));
      for (int i = 0; i < count; ++i) {
        const double usage = meter.CpuUsage(i);
        fuzz::Check(std::isfinite(usage), "a usage is a number", std::to_string(usage));
      }
      machine.Next();
    }
  } catch (const Error&) {
  }
  return 0;
}
