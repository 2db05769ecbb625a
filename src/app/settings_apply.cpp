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

constexpr const SettingKey* kChoiceKeys[] = {
    &kPerformanceObject, &kPerformanceCounter, &kPerformanceInstance,
    &kValueMin,          &kValueMax,           &kMinutes};
}  // namespace

TfrmShutdown::CustomChoice TfrmShutdown::CurrentCustomChoice() const {
  return {cbPerfObjs.ItemIndex(),       cbPerfCounters.ItemIndex(),    cbInstances.ItemIndex(),
          edtCustomUsageLow.IntValue(), edtCustomUsageHigh.IntValue(), edtCustomMin.IntValue()};
}

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
    settingsLoaded_ = true;
  } catch (const std::exception&) {
    // What was applied stays; nothing is shown.
  }
  loadedChoice_ = CurrentCustomChoice();
}

// A stored choice that loading did not read (it never ran, or stopped
// early) is kept unless the user chose anew: the window then holds
// defaults, not the user's choice. Keys the file lacks are filled in.
void TfrmShutdown::SaveSettings() {
  const SettingsFile file(services_.profile, SettingsFilePath(startup_.exePath));
  const CustomChoice choice = CurrentCustomChoice();
  const bool whole = settingsLoaded_ || choice != loadedChoice_;
  for (std::size_t i = 0; i < choice.size(); ++i) {
    if (whole || !file.Holds(*kChoiceKeys[i])) file.WriteInt(*kChoiceKeys[i], choice[i]);
  }
  if (!whole) return;
  file.WriteString(kPerformanceObjectName, cbPerfObjs.Text());
  file.WriteString(kPerformanceCounterName, cbPerfCounters.Text());
  file.WriteString(kPerformanceInstanceName, cbInstances.Text());
}

void TfrmShutdown::EndSession() {
  if (watch_.State() != WatchState::Idle) {
    watch_.Disarm();
    ShowDisarmed(false);
  }
  // Nobody is left to read a box, and one would hold the session up.
  try {
    SaveSettings();
  } catch (const std::exception&) {
  }
}

}  // namespace haltwise
