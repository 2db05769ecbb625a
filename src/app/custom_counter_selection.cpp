// The Custom page's three lists, the network interface list, and the
// one-time performance set-up of the first activation.
#include <algorithm>
#include <exception>
#include <map>

#include "app/frm_shutdown.h"

namespace haltwise {

namespace {

// Title indexes, the same in every language: PhysicalDisk "Disk Bytes/sec",
// then Network Interface "Bytes Total/sec", "Bytes Received/sec" and "Bytes
// Sent/sec" for the Disk Usage and Network Usage modes; Process and Thread
// with the ids that tell their instances apart.
constexpr std::pair<std::int32_t, std::int32_t> kInternalCounters[] = {
    {234, 218}, {510, 388}, {510, 264}, {510, 506}};
constexpr std::int32_t kProcessObject = 230;
constexpr std::int32_t kThreadObject = 232;
constexpr char kIdProcess[] = "784";
constexpr char kIdThread[] = "804";

// A help text that cannot be had only empties the hint.
template <typename Lookup>
std::string HelpTextOrEmpty(Lookup lookup) {
  try {
    return lookup();
  } catch (const std::exception&) {
    return "";
  }
}

// The key counters of an object whose instances share names, in the
// components' language; empty for other objects.
std::string KeyOf(PerformanceComponents& perf, std::int32_t objectIndex) {
  if (objectIndex == kProcessObject) return perf.PerfTitles.NameByIndex(kIdProcess);
  if (objectIndex == kThreadObject) {
    return perf.PerfTitles.NameByIndex(kIdProcess) + ";" + perf.PerfTitles.NameByIndex(kIdThread);
  }
  return "";
}

// The adapter names of the network item's latest refresh, in its order.
std::vector<std::string> InterfaceNames(TPerfMonitorItem& item) {
  std::vector<std::string> names;
  for (int i = 0; i < item.RecordCount(); ++i) names.push_back(item.ValueAt(i).InstanceName);
  return names;
}

}  // namespace

void TfrmShutdown::InitPerformanceMonitoring() {
  if (tmrDiskRt.Enabled()) return;
  if (!perf_) {
    perf_ = std::make_unique<PerformanceComponents>(
        services_.registry, services_.clock, startup_.replayFile,
        services_.systemInfo.GetUserDefaultUILanguage());
  }
  PerformanceComponents& perf = *perf_;
  const PerfContext::FullObjectList listing(perf.context);
  for (int i = 0; i < perf.PerfObjects.Count(); ++i) cbPerfObjs.Add(perf.PerfObjects.Names(i));

  for (const auto& [objectIndex, counterIndex] : kInternalCounters) {
    perf.PerfMonitorInternal.Items().Add().SetIndexes(objectIndex, counterIndex);
  }

  cbNetIface.Clear();
  perf.PerfMonitorInternal.Refresh();
  for (const std::string& name : InterfaceNames(perf.PerfMonitorInternal.Items()[3])) {
    cbNetIface.Add(name);
  }
  if (cbNetIface.Count() > 0) cbNetIface.SetItemIndex(0);
  // One query a second from now on, for the processor meter as well.
  cpuMeter_.ShareQuery(perf.context);
  tmrDiskRt.SetEnabled(true);
}

// Adapters come and go (a VPN, Wi-Fi, a USB adapter): the list follows the
// machine and keeps the chosen adapter, also while it is missing.
void TfrmShutdown::RefreshNetworkInterfaces() {
  if (!perf_ || perf_->PerfMonitorInternal.Items().Count() < 4) return;
  std::vector<std::string> names = InterfaceNames(perf_->PerfMonitorInternal.Items()[3]);
  const std::string chosen = cbNetIface.Text();
  if (!chosen.empty() && std::find(names.begin(), names.end(), chosen) == names.end()) {
    names.push_back(chosen);
  }
  if (names == cbNetIface.Items()) return;
  cbNetIface.Clear();
  for (const std::string& name : names) cbNetIface.Add(name);
  const auto found = std::find(names.begin(), names.end(), chosen);
  cbNetIface.SetItemIndex(chosen.empty() ? (names.empty() ? -1 : 0)
                                         : static_cast<int>(found - names.begin()));
}

void TfrmShutdown::cbPerfObjsChange() {
  ScopedHourglass hourglass(services_.host);
  PerformanceComponents& perf = Perf();
  // The list's positions are those of every object.
  const PerfContext::FullObjectList choosing(perf.context);
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
  for (int i = 0; i < perf.PerfCounters.Count(); ++i)
    cbPerfCounters.Add(perf.PerfCounters.Names(i));
}

void TfrmShutdown::cbPerfCountersChange() {
  PerformanceComponents& perf = Perf();
  // The chosen object may be one that no query asked for yet.
  const PerfContext::FullObjectList choosing(perf.context);
  const int position = cbPerfCounters.ItemIndex();
  cbPerfCounters.SetHint(HelpTextOrEmpty([&] { return perf.PerfCounters.HelpTexts(position); }));
  SetStatus(cbPerfCounters.Hint());

  perf.PerfMonitor1.Items().Clear();
  perf.customInstances.clear();
  lgCustom.SetValueMax(0);
  lgCustom.SetValueMin(0);
  TPerfMonitorItem& item = perf.PerfMonitor1.Items().Add();
  item.SetObjectName(cbPerfObjs.Text());
  item.SetCounterName(cbPerfCounters.Text());
  cbInstances.Clear();
  // Keyed before the list is filled: each of forty "svchost" processes is
  // an entry of its own, and the chosen one is found again by its id.
  try {
    item.SetObjectKey(KeyOf(perf, item.CounterItem().ObjectIndex()));
  } catch (const std::exception&) {
    // Without its id counters the object is listed by name alone.
  }
  perf.PerfMonitor1.Refresh();

  if (item.InstanceCount() > 0) {
    cbInstances.SetEnabled(true);
    std::map<std::string, int> uses;
    for (int i = 0; i < item.RecordCount(); ++i) ++uses[item.ValueAt(i).InstanceName];
    for (int i = 0; i < item.RecordCount(); ++i) {
      const TPerfMonitorCounterValue& record = item.ValueAt(i);
      perf.customInstances.push_back({record.InstanceName, record.Key});
      // A shared name is told apart by its ids, as the user sees them.
      cbInstances.Add(uses[record.InstanceName] > 1 ? record.InstanceName + " (" + record.Key + ")"
                                                    : record.InstanceName);
    }
  } else {
    cbInstances.SetEnabled(false);
  }
  lblCustomCtr.SetCaption(item.CounterName());
}

void TfrmShutdown::cbInstancesChange() { tmrDiskRt.SetEnabled(true); }

PerformanceComponents& TfrmShutdown::Perf() {
  if (!perf_) throw Error("Performance counters are not available");
  return *perf_;
}

}  // namespace haltwise
