#pragma once
// The main window's logic with fakes behind every seam and a timer queue on
// a fake clock, for fuzz targets that drive the whole window.
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/frm_shutdown.h"
#include "app/testing/fake_app_services.h"
#include "platform/ini_document.h"
#include "platform/private_profile.h"
#include "widgets/timer_queue.h"

namespace haltwise::fuzz {

// The confirmation countdown, run to its end on the test clock.
class CountdownRunner : public ConfirmationRunner {
 public:
  int ShowModal(TfrmConfirm& dialog) override {
    while (dialog.ModalResult() == TfrmConfirm::kNone) dialog.Timer1Timer();
    return dialog.ModalResult();
  }
};

// Ini files in memory, none at first: no file I/O per input.
class MemoryProfile : public PrivateProfile {
 public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue, const std::string& fileName) override {
    return File(fileName).GetString(section, key, defaultValue);
  }
  int GetInt(const std::string& section, const std::string& key, int defaultValue,
             const std::string& fileName) override {
    return File(fileName).GetInt(section, key, defaultValue);
  }
  bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& fileName) override {
    files_[fileName].WriteString(section, key, value);
    return true;
  }

 private:
  const IniDocument& File(const std::string& fileName) const {
    static const IniDocument kMissing;
    const auto found = files_.find(fileName);
    return found == files_.end() ? kMissing : found->second;
  }

  std::map<std::string, IniDocument> files_;
};

class NullHost : public MainWindowHost {
 public:
  void ShowMainWindow() override {}
  void HideMainWindow() override {}
  void CloseMainWindow() override {}
  void ShowAboutBox(const AboutBoxModel&) override {}
  void PaintNow() override {}
  void SetHourglass(bool) override {}
  void ShowTrayBalloon(const std::string&, const std::string&) override {}
};

class HeadlessWindow : public FakeAppServices {
 public:
  // The executable lies in a folder that does not exist, so no skin and no
  // settings file are found.
  static StartupInfo Startup(const std::string& arguments) {
    return FakeStartup("/nonexistent-haltwise/Haltwise.exe", arguments);
  }

  explicit HeadlessWindow(const std::string& arguments) {
    form = std::make_unique<TfrmShutdown>(services, Startup(arguments));
    for (Timer* timer : {&form->tmrCheck, &form->tmrCpu, &form->tmrDiskRt}) queue.Add(*timer);
  }
  // Forgets what the fakes recorded, for a window that serves many inputs.
  void ForgetRecords() {
    for (fake::FakeSeam* seam : std::initializer_list<fake::FakeSeam*>{
             &notifier, &security, &power, &systemInfo, &registry, &events, &shell}) {
      seam->ClearCalls();
    }
    notifier.shown.clear();
    events.events.clear();
  }

  ~HeadlessWindow() {
    for (Timer* timer : {&form->tmrCheck, &form->tmrCpu, &form->tmrDiskRt}) queue.Remove(*timer);
  }

  MemoryProfile profile;
  CountdownRunner confirmation;
  NullHost host;
  TimerQueue queue{[this](std::uint32_t ms) { clock.Advance(ms); }};
  AppServices services =
      Services(profile, confirmation, host, [](const std::string& text, int width) {
        return 13 * static_cast<int>(1 + text.size() * 6 / static_cast<std::size_t>(width));
      });
  std::unique_ptr<TfrmShutdown> form;
};

}  // namespace haltwise::fuzz
