#pragma once
#include "perf/cpu/nt_processor_sampler.h"
#include "perf/cpu/win9x_cpu_statistic.h"
#include "platform/registry.h"
#include "platform/system_info.h"

namespace haltwise {

// The processor-usage meter the CPU graph and the CPU idle condition read:
// one sample per call of RefreshCpuSample, and the usage of each processor
// instance between the last two samples as a fraction from 0 to 1. The
// first usage after start compares against nothing and is not a real load.
// Every failure raises haltwise::Error with the message the user sees.
class CpuMeter {
 public:
  // Tells the Windows families apart; raises "Can't get the Windows version".
  CpuMeter(Registry& registry, SystemInfo& systemInfo);
  CpuMeter(const CpuMeter&) = delete;
  CpuMeter& operator=(const CpuMeter&) = delete;
  ~CpuMeter() { StopCpuSampling(); }

  bool IsNT() const { return isNT_; }

  // Samples from the context's per-second query from now on, instead of a
  // query of its own (NT family). A context that replays a file is not
  // shared: the file stands in for the monitors' data, while the meter
  // keeps measuring this machine.
  void ShareQuery(PerfContext& context);

  void RefreshCpuSample();
  // The number of processor instances, a total instance included where the
  // system reports one; 1 on the 9x family. Samples first if need be.
  int CpuCount();
  // Samples first only when no sample was taken yet.
  double CpuUsage(int index);
  // Stops the kernel statistic of the 9x family; nothing to do on NT.
  void StopCpuSampling();

 private:
  static bool AskIsNT(SystemInfo& systemInfo);

  bool isNT_;
  NtProcessorSampler nt_;
  Win9xCpuStatistic win9x_;
};

}  // namespace haltwise
