#include "perf/cpu/cpu_meter.h"

#include "platform/error.h"

namespace haltwise {
namespace {

constexpr std::uint32_t kPlatformWin32Nt = 2;

}  // namespace

bool CpuMeter::AskIsNT(SystemInfo& systemInfo) {
  std::uint32_t platformId = 0;
  if (!systemInfo.GetVersionEx(&platformId)) throw Error("Can't get the Windows version");
  return platformId == kPlatformWin32Nt;
}

CpuMeter::CpuMeter(Registry& registry, SystemInfo& systemInfo)
    : isNT_(AskIsNT(systemInfo)), nt_(registry, systemInfo), win9x_(registry) {}

void CpuMeter::ShareQuery(PerfContext& context) {
  if (isNT_ && context.Replay() == nullptr) nt_.ShareQuery(context);
}

void CpuMeter::RefreshCpuSample() {
  if (isNT_) {
    nt_.Refresh();
  } else {
    win9x_.Refresh();
  }
}

int CpuMeter::CpuCount() { return isNT_ ? nt_.Count() : 1; }

double CpuMeter::CpuUsage(int index) { return isNT_ ? nt_.Usage(index) : win9x_.Usage(index); }

void CpuMeter::StopCpuSampling() {
  if (!isNT_) win9x_.Stop();
}

}  // namespace haltwise
