// Keeping the Custom mode's choice in "Haltwise.ini" from one run to the
// next. Selections are stored as list positions.
#include <exception>

#include "app/frm_shutdown.h"
#include "config/settings_file.h"

namespace haltwise {

void TfrmShutdown::LoadSettings() {
  const SettingsFile file(services_.profile, SettingsFilePath(startup_.exePath));
  try {
    cbPerfObjs.SetItemIndex(file.ReadInt(kPerformanceObject));
    // Fails when no object is selected, which ends loading here: limits and
    // minutes are restored only together with a chosen object.
    cbPerfObjsChange();
    const int counter = file.ReadInt(kPerformanceCounter);
    if (counter <= cbPerfCounters.Count() - 1) cbPerfCounters.SetItemIndex(counter);
    cbPerfCountersChange();
    const int instance = file.ReadInt(kPerformanceInstance);
    if (instance <= cbInstances.Count() - 1) cbInstances.SetItemIndex(instance);
    edtCustomUsageLow.SetValue(file.ReadInt(kValueMin));
    edtCustomUsageHigh.SetValue(file.ReadInt(kValueMax));
    edtCustomMin.SetValue(file.ReadInt(kMinutes));
  } catch (const std::exception&) {
    // What was applied stays; nothing is shown.
  }
}

void TfrmShutdown::SaveSettings() {
  const SettingsFile file(services_.profile, SettingsFilePath(startup_.exePath));
  file.WriteInt(kPerformanceObject, cbPerfObjs.ItemIndex());
  file.WriteInt(kPerformanceCounter, cbPerfCounters.ItemIndex());
  file.WriteInt(kPerformanceInstance, cbInstances.ItemIndex());
  file.WriteInt(kValueMin, edtCustomUsageLow.IntValue());
  file.WriteInt(kValueMax, edtCustomUsageHigh.IntValue());
  file.WriteInt(kMinutes, edtCustomMin.IntValue());
}

}  // namespace haltwise
