// The sampling timers' handlers: they read the window's limits afresh and
// hand them to the samplers.
#include "app/frm_shutdown.h"

namespace haltwise {

LoadLimits TfrmShutdown::ReadLoadLimits() const {
  LoadLimits limits;
  limits.cpuUsage = edtCPUUsage.Value();
  limits.cpuMinutes = edtCPUMin.Value();
  limits.cpuInputClause = chkNoInput.Checked();
  limits.netUsage = edtNetUsage.Value();
  limits.netMinutes = edtNetMin.Value();
  limits.diskUsage = edtDiskUsage.Value();
  limits.diskMinutes = edtDiskMin.Value();
  limits.customLow = edtCustomUsageLow.Value();
  limits.customHigh = edtCustomUsageHigh.Value();
  limits.customMinutes = edtCustomMin.Value();
  limits.netItem = rbTotal.Checked() ? 1 : rbRecv.Checked() ? 2 : rbSent.Checked() ? 3 : -1;
  limits.netInterface = cbNetIface.Text();
  // The custom lists disable themselves when they have nothing valid to offer.
  const bool customChosen = cbPerfObjs.ItemIndex() >= 0 && cbPerfCounters.ItemIndex() >= 0 &&
                            cbPerfCounters.Enabled() && cbInstances.ItemIndex() >= 0 &&
                            cbInstances.Enabled();
  if (customChosen && perf_ &&
      static_cast<std::size_t>(cbInstances.ItemIndex()) < perf_->customInstances.size()) {
    limits.customInstance =
        perf_->customInstances[static_cast<std::size_t>(cbInstances.ItemIndex())];
  }
  return limits;
}

void TfrmShutdown::tmrCpuTimer() {
  try {
    samplers_.SampleCpu(ReadLoadLimits(), Now());
  } catch (const std::exception& error) {
    // Stays off until the program is restarted.
    tmrCpu.SetEnabled(false);
    services_.notifier.ShowMessage(error.what());
    services_.notifier.ShowMessage("CPU Monitoring Disabled.");
  }
}

void TfrmShutdown::SampleLoads() {
  if (!perf_) return;
  samplers_.SampleLoads(*perf_, ReadLoadLimits(), Now());
  RefreshNetworkInterfaces();
}

void TfrmShutdown::RestartLoadConditions() { watch_.RestartLoadConditions(Now()); }

}  // namespace haltwise
