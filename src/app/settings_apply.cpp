// Keeping the Custom mode's choice in "Haltwise.ini" from one run to the
// next. Selections are stored by name, and as list positions for older
// files; names are read first.
#include <algorithm>
#include <exception>

#include "app/frm_shutdown.h"
#include "config/settings_file.h"

namespace haltwise {

namespace {

// Selects the entry named in the file, else the stored position when the
// list reaches it (a position past the end leaves the list as it is).
void SelectByNameOrPosition(ComboBox& list, const std::string& name, int position) {
  const auto& items = list.Items();
  const auto found = std::find(items.begin(), items.end(), name);
  if (!name.empty() && found != items.end()) {
    list.SetItemIndex(static_cast<int>(found - items.begin()));
  } else if (position <= list.Count() - 1) {
    list.SetItemIndex(position);
  }
}

}  // namespace

void TfrmShutdown::LoadSettings() {
  const SettingsFile file(services_.profile, SettingsFilePath(startup_.exePath));
  try {
    const std::string objectName = file.ReadString(kPerformanceObjectName);
    const auto& objects = cbPerfObjs.Items();
    const auto object = std::find(objects.begin(), objects.end(), objectName);
    cbPerfObjs.SetItemIndex(!objectName.empty() && object != objects.end()
                                ? static_cast<int>(object - objects.begin())
                                : file.ReadInt(kPerformanceObject));
    // Fails when no object is selected, which ends loading here: limits and
    // minutes are restored only together with a chosen object.
    cbPerfObjsChange();
    SelectByNameOrPosition(cbPerfCounters, file.ReadString(kPerformanceCounterName),
                           file.ReadInt(kPerformanceCounter));
    cbPerfCountersChange();
    SelectByNameOrPosition(cbInstances, file.ReadString(kPerformanceInstanceName),
                           file.ReadInt(kPerformanceInstance));
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
  file.WriteString(kPerformanceObjectName, cbPerfObjs.Text());
  file.WriteString(kPerformanceCounterName, cbPerfCounters.Text());
  file.WriteString(kPerformanceInstanceName, cbInstances.Text());
}

}  // namespace haltwise
