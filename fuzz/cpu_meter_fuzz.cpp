// libFuzzer target: the processor meter behind the CPU graph and the CPU idle
// watch, fed with what the registry returns: Processor object blocks on the
// NT family, the kernel's CPU statistic on the 9x family. The window's CPU
// sampler runs on them with a CPU idle watch armed; whatever the data, it
// either stops with its message or draws a usage between 0 and 100 %.
//
// Input: one byte of flags (bit 0: the 9x family), then the samples the
// registry returns in turn, separated by the eight characters "HALTWISE".
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "headless_window.h"

namespace {

using namespace haltwise;

constexpr std::size_t kMostSamples = 4;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool win9x = (data[0] & 1) != 0;
  std::vector<std::vector<std::uint8_t>> samples;
  for (std::string_view part : fuzz::SplitParts(
           std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), kMostSamples)) {
    samples.emplace_back(part.begin(), part.end());
  }

  fuzz::HeadlessWindow window("ACTION=LOGOFF /testonly");
  std::size_t next = 0;
  if (win9x) {
    window.systemInfo.platformId = 1;
    window.registry.CreateKey("HKDD\\PerfStats\\StartStat");
    window.registry.CreateKey("HKDD\\PerfStats\\StopStat");
    window.registry.SetValue("HKDD\\PerfStats\\StatData", "KERNEL\\CPUUsage", samples[0]);
  } else {
    window.registry.SetPerformanceProvider(
        [&](const std::string&) { return samples[next++ % samples.size()]; });
  }
  TfrmShutdown& form = *window.form;
  form.FormCreate();
  form.edtCPUMin.SetValue(1);
  form.btnIdle.UserClick();
  form.btnStart.UserClick();

  for (std::size_t second = 0; second < 2 * kMostSamples && form.tmrCpu.Enabled(); ++second) {
    if (win9x) {
      window.registry.SetValue("HKDD\\PerfStats\\StatData", "KERNEL\\CPUUsage",
                               samples[second % samples.size()]);
    }
    window.queue.Advance(1000);
    if (!form.tmrCpu.Enabled()) break;
    const std::int64_t usage = form.lgCPU.Value(form.lgCPU.ValuesCount() - 1);
    fuzz::Check(usage >= 0 && usage <= 100, "the CPU graph shows 0 to 100 %", std::to_string(usage));
  }
  if (!form.tmrCpu.Enabled()) {
    fuzz::Check(!window.notifier.shown.empty() &&
                    window.notifier.shown.back() == "message: CPU Monitoring Disabled.",
                "a meter that fails says so");
  }
  fuzz::Check(window.power.Calls().empty(), "a test watch never acts");
  return 0;
}
