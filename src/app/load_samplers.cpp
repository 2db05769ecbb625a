// The two sampling timers: they feed the graphs every second, armed or not,
// and make the load-based watches due once their condition has held long
// enough.
#include <cmath>
#include <exception>

#include "app/frm_shutdown.h"

namespace haltwise {

namespace {

// Graph values are whole numbers, halves going to the even neighbour.
std::int64_t Nearest(double value) { return static_cast<std::int64_t>(std::nearbyint(value)); }

std::string UnitText(const std::string& units) { return units.substr(0, 255); }

// Widens a graph's range to a value that left it.
void WidenRange(TLogGraph& graph, double value) {
  if (value > graph.ValueMax()) graph.SetValueMax(static_cast<int>(std::trunc(value)) + 1);
  if (value < graph.ValueMin()) graph.SetValueMin(static_cast<int>(std::trunc(value)) - 1);
}

}  // namespace

bool TfrmShutdown::HeldLongerThan(const SincePair& since, const SpinEdit& minutes,
                                  std::uint32_t tick) const {
  return since.ElapsedMs(tick) > minutes.Value() * 1000 * 60;
}

void TfrmShutdown::tmrCpuTimer() {
  const std::uint32_t tick = services_.clock.TickCount();
  const DateTime now = services_.clock.Now();
  try {
    const int usage = CpuUsagePercent();
    lgCPU.AddValue(usage);
    if (usage >= edtCPUUsage.Value()) CpuIdleSince.Restart(tick, now);
    if (WatchMode == ShutdownMode::CpuIdle && HeldLongerThan(CpuIdleSince, edtCPUMin, tick)) {
      TargetTime = now;
    }
  } catch (const std::exception& error) {
    // Stays off until the program is restarted.
    tmrCpu.SetEnabled(false);
    services_.notifier.ShowMessage(error.what());
    services_.notifier.ShowMessage("CPU Monitoring Disabled.");
  }
}

void TfrmShutdown::LogSampleError(const std::exception& error, const char* section) {
  ApplicationEventLog.LogEvent(1, EventLogType::Error, 0,
                               std::string("Exception ") + error.what() + section);
}

void TfrmShutdown::SampleLoads() {
  if (!perf_) return;
  const std::uint32_t tick = services_.clock.TickCount();
  const DateTime now = services_.clock.Now();

  if (cbPerfObjs.ItemIndex() >= 0 && cbPerfCounters.ItemIndex() >= 0 &&
      cbPerfCounters.Enabled() && cbInstances.ItemIndex() >= 0 && cbInstances.Enabled()) {
    try {
      SampleCustom(tick, now);
    } catch (const std::exception& error) {
      LogSampleError(error, " collecting custom usage.");
    }
  }

  try {
    perf_->PerfMonitorInternal.Refresh();
    try {
      SampleDisk(tick, now);
    } catch (const std::exception& error) {
      LogSampleError(error, " calculating Disk Usage.");
    }
    try {
      SampleNetwork(tick, now);
    } catch (const std::exception& error) {
      LogSampleError(error, " calculating Network Usage.");
    }
  } catch (const std::exception& error) {
    LogSampleError(error, " collecting Internal Usage.");
  }
}

void TfrmShutdown::SampleCustom(std::uint32_t tick, DateTime now) {
  perf_->PerfMonitor1.Refresh();
  TPerfMonitorItem& item = perf_->PerfMonitor1.Items()[0];
  const TPerfMonitorCounterValue& record = item.ValueAt(cbInstances.ItemIndex());
  lgCustom.SetHint(item.ObjectName() + "/" + record.InstanceName);
  lgCustom.SetAfterString(UnitText(item.CounterUnits()));
  const double value = item.CalcValue(record);
  WidenRange(lgCustom, value);
  lgCustom.AddValue(Nearest(value));
  if (value < edtCustomUsageLow.Value() || value > edtCustomUsageHigh.Value()) {
    CustomInRangeSince.Restart(tick, now);
  }
  if (WatchMode == ShutdownMode::Custom && HeldLongerThan(CustomInRangeSince, edtCustomMin, tick)) {
    TargetTime = now;
  }
}

void TfrmShutdown::SampleDisk(std::uint32_t tick, DateTime now) {
  TPerfMonitorItem& item = perf_->PerfMonitorInternal.Items()[0];
  const TPerfMonitorCounterValue& record = item.ValueAt(item.InstanceCount() - 1);
  lgDisk.SetHint(item.ObjectName() + "/" + record.InstanceName);
  const double kilobytes = item.CalcValue(record) / 1024;
  lgDisk.AddValue(Nearest(kilobytes));
  lgDisk.SetAfterString(UnitText(item.CounterUnits()));
  WidenRange(lgDisk, kilobytes);
  if (kilobytes >= edtDiskUsage.Value()) DiskLowSince.Restart(tick, now);
  if (WatchMode == ShutdownMode::DiskTraffic && HeldLongerThan(DiskLowSince, edtDiskMin, tick)) {
    TargetTime = now;
  }
}

void TfrmShutdown::SampleNetwork(std::uint32_t tick, DateTime now) {
  const int itemIndex = rbTotal.Checked() ? 1 : rbRecv.Checked() ? 2 : rbSent.Checked() ? 3 : -1;
  TPerfMonitorItem& item = perf_->PerfMonitorInternal.Items()[itemIndex];
  const TPerfMonitorCounterValue& record = item.ValueAt(cbNetIface.ItemIndex());
  const double kilobytes = item.CalcValue(record) / 1024;
  lgNet.SetHint(item.ObjectName() + "/" + record.InstanceName);
  lgNet.AddValue(Nearest(kilobytes));
  lgNet.SetAfterString(UnitText(item.CounterUnits()));
  WidenRange(lgNet, kilobytes);
  if (kilobytes >= edtNetUsage.Value()) NetLowSince.Restart(tick, now);
  if (WatchMode == ShutdownMode::NetTraffic && HeldLongerThan(NetLowSince, edtNetMin, tick)) {
    TargetTime = now;
  }
}

void TfrmShutdown::RestartLoadConditions() {
  const std::uint32_t tick = services_.clock.TickCount();
  const DateTime now = services_.clock.Now();
  for (SincePair* since : {&CpuIdleSince, &NetLowSince, &DiskLowSince, &CustomInRangeSince}) {
    since->Restart(tick, now);
  }
}

}  // namespace haltwise
