#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/frm_shutdown.h"
#include "app/testing/fake_app_services.h"
#include "eventlog/event_log_registry.h"
#include "platform/fake/fake_private_profile.h"
#include "widgets/timer_queue.h"

namespace haltwise::testing {

// Runs the confirmation dialog on the test clock: one second at a time,
// with the main window's timers firing in between, as the nested message
// loop does. `onEachSecond` may press "Cancel !!".
class QueueConfirmationRunner : public ConfirmationRunner {
 public:
  explicit QueueConfirmationRunner(TimerQueue& queue) : queue_(queue) {}

  int ShowModal(TfrmConfirm& dialog) override {
    ++shown;
    queue_.Add(dialog.Timer1);
    while (dialog.ModalResult() == TfrmConfirm::kNone) {
      dispatch([&] { queue_.Advance(1000); });
      if (onEachSecond && dialog.ModalResult() == TfrmConfirm::kNone) onEachSecond(dialog);
    }
    queue_.Remove(dialog.Timer1);
    lastLabel = dialog.Label1.Caption();
    return dialog.ModalResult();
  }

  std::function<void(TfrmConfirm&)> onEachSecond;
  // Runs each second of the nested loop; a test may wrap it in the message
  // loop's handling of errors that escape a handler.
  std::function<void(const std::function<void()>&)> dispatch =
      [](const std::function<void()>& step) { step(); };
  int shown = 0;
  std::string lastLabel;

 private:
  TimerQueue& queue_;
};

// Records what the window was asked to do.
class RecordingHost : public MainWindowHost {
 public:
  void ShowMainWindow() override { requests.push_back("show"); }
  void HideMainWindow() override { requests.push_back("hide"); }
  void CloseMainWindow() override { requests.push_back("close"); }
  void ShowAboutBox(const AboutBoxModel& about) override {
    requests.push_back("about " + about.version);
  }
  void PaintNow() override { requests.push_back("paint"); }
  void SetHourglass(bool on) override { requests.push_back(on ? "hourglass" : "arrow"); }
  void ShowTrayBalloon(const std::string& title, const std::string& text) override {
    requests.push_back("tray balloon " + title + ": " + text);
  }

  std::vector<std::string> requests;
};

// Every fake the main window needs, the window itself, and a queue that
// runs its timers on the fake clock.
class AppFixture : public ::testing::Test, protected FakeAppServices {
 protected:
  AppFixture() { Recreate(""); }
  ~AppFixture() override {
    form.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  // A folder of the test's own that holds the "executable".
  static std::filesystem::path NewFolder() {
    std::random_device random;
    auto folder = std::filesystem::temp_directory_path() /
                  ("haltwise-app-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(folder);
    return folder;
  }

  // A fresh window started with the given arguments after the program path.
  void Recreate(const std::string& arguments) {
    if (form) {
      for (Timer* timer : {&form->tmrCheck, &form->tmrCpu, &form->tmrDiskRt}) queue.Remove(*timer);
    }
    form.reset();
    StartupInfo startup = FakeStartup((folder / "Haltwise.exe").string(), arguments);
    startup.replayFile = replayFile;
    form = std::make_unique<TfrmShutdown>(services, startup);
    for (Timer* timer : {&form->tmrCheck, &form->tmrCpu, &form->tmrDiskRt}) queue.Add(*timer);
  }

  void AdvanceSeconds(int seconds) { queue.Advance(static_cast<std::uint64_t>(seconds) * 1000); }

  std::vector<std::string> EventTexts() const {
    std::vector<std::string> texts;
    for (const auto& e : events.events) texts.push_back(e.strings.empty() ? "" : e.strings[0]);
    return texts;
  }

  std::filesystem::path folder = NewFolder();
  fake::FakePrivateProfile profile;
  TimerQueue queue{[this](std::uint32_t ms) { clock.Advance(ms); }};
  QueueConfirmationRunner confirmation{queue};
  RecordingHost host;
  std::optional<std::filesystem::path> replayFile;
  AppServices services =
      Services(profile, confirmation, host, [](const std::string& text, int width) {
        // Six pixels a character, 13 a line.
        const int perLine = width / 6;
        const int lines = static_cast<int>(text.size() + perLine - 1) / perLine;
        return 13 * std::max(lines, 1);
      });
  std::unique_ptr<TfrmShutdown> form;
};

}  // namespace haltwise::testing
