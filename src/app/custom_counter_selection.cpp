// The Custom page's three lists, and the one-time performance set-up of the
// first activation.
#include <exception>

#include "app/frm_shutdown.h"
#include "platform/text.h"

namespace haltwise {

namespace {

// Title indexes of the counters behind the Disk Usage and Network Usage
// modes: PhysicalDisk "Disk Bytes/sec", then Network Interface "Bytes
// Total/sec", "Bytes Received/sec" and "Bytes Sent/sec".
constexpr std::pair<const char*, const char*> kInternalCounters[] = {
    {"234", "218"}, {"510", "388"}, {"510", "264"}, {"510", "506"}};

// A help text that cannot be had only empties the hint.
template <typename Lookup>
std::string HelpTextOrEmpty(Lookup lookup) {
  try {
    return lookup();
  } catch (const std::exception&) {
    return "";
  }
}

}  // namespace

void TfrmShutdown::InitPerformanceMonitoring() {
  if (tmrDiskRt.Enabled()) return;
  if (!perf_) {
    perf_ = std::make_unique<PerformanceComponents>(services_.registry, services_.clock,
                                                    startup_.replayFile);
  }
  PerformanceComponents& perf = *perf_;
  for (int i = 0; i < perf.PerfObjects.Count(); ++i) cbPerfObjs.Add(perf.PerfObjects.Names(i));

  for (const auto& [objectIndex, counterIndex] : kInternalCounters) {
    TPerfMonitorItem& item = perf.PerfMonitorInternal.Items().Add();
    item.SetObjectName(perf.PerfTitles.NameByIndex(objectIndex));
    item.SetCounterName(perf.PerfTitles.NameByIndex(counterIndex));
  }

  cbNetIface.Clear();
  perf.PerfMonitorInternal.Refresh();
  TPerfMonitorItem& sent = perf.PerfMonitorInternal.Items()[3];
  const int interfaces = sent.InstanceCount();
  for (int i = 0; i < interfaces; ++i) cbNetIface.Add(sent.ValueAt(i).InstanceName);
  if (interfaces > 0) cbNetIface.SetItemIndex(0);
  tmrDiskRt.SetEnabled(true);
}

void TfrmShutdown::cbPerfObjsChange() {
  ScopedHourglass hourglass(services_.host);
  PerformanceComponents& perf = Perf();
  const int position = cbPerfObjs.ItemIndex();
  cbPerfObjs.SetHint(HelpTextOrEmpty([&] { return perf.PerfObjects.HelpTexts(position); }));
  SetStatus(cbPerfObjs.Hint());

  if (perf.PerfObjects.Objects(position).NumInstances < 0) {
    // Nothing to choose for an object without instances.
    cbPerfCounters.SetItemIndex(-1);
    cbPerfCounters.SetEnabled(false);
    cbInstances.SetEnabled(false);
    cbInstances.SetItemIndex(-1);
    return;
  }
  cbPerfCounters.SetEnabled(true);
  perf.PerfCounters.SetObjectName(perf.PerfObjects.Names(position));
  cbPerfCounters.Clear();
  for (int i = 0; i < perf.PerfCounters.Count(); ++i) cbPerfCounters.Add(perf.PerfCounters.Names(i));
}

void TfrmShutdown::cbPerfCountersChange() {
  PerformanceComponents& perf = Perf();
  const int position = cbPerfCounters.ItemIndex();
  cbPerfCounters.SetHint(HelpTextOrEmpty([&] { return perf.PerfCounters.HelpTexts(position); }));
  SetStatus(cbPerfCounters.Hint());

  perf.PerfMonitor1.Items().Clear();
  lgCustom.SetValueMax(0);
  lgCustom.SetValueMin(0);
  TPerfMonitorItem& item = perf.PerfMonitor1.Items().Add();
  item.SetObjectName(cbPerfObjs.Text());
  item.SetCounterName(cbPerfCounters.Text());
  cbInstances.Clear();
  perf.PerfMonitor1.Refresh();

  const int instances = item.InstanceCount();
  if (instances > 0) {
    cbInstances.SetEnabled(true);
    for (int i = 0; i < instances; ++i) {
      try {
        cbInstances.Add(item.ValueAt(i).InstanceName);
      } catch (const std::exception&) {
        ApplicationEventLog.LogEvent(
            1, EventLogType::Warning, 1,
            "Error adding instance " + std::to_string(i) + " of " + item.CounterName());
      }
    }
  } else {
    cbInstances.SetEnabled(false);
  }
  lblCustomCtr.SetCaption(item.CounterName());

  // Instances that share a name are told apart by their ids from the next
  // refresh on.
  if (SameTextAscii(item.ObjectName(), "Process")) {
    item.SetObjectKey("ID Process");
  } else if (SameTextAscii(item.ObjectName(), "Thread")) {
    item.SetObjectKey("ID Process;ID Thread");
  }
}

void TfrmShutdown::cbInstancesChange() { tmrDiskRt.SetEnabled(true); }

PerformanceComponents& TfrmShutdown::Perf() {
  if (!perf_) throw Error("Performance counters are not available");
  return *perf_;
}

}  // namespace haltwise
