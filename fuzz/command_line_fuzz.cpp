// libFuzzer target: the command line. Its lookups never fail, and the main
// window presets what it can from it, reports the rest in plain message
// boxes, and can then be armed and run for a few seconds.
//
// One main window serves every input: created once without arguments, its
// preset controls are set back before each input to what creation left, and
// the input's command line is applied to them as window creation applies
// it. A window that an input leaves armed or acting is created afresh.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/command_line_presets.h"
#include "config/command_line.h"
#include "fuzz_support.h"
#include "headless_window.h"
#include "platform/error.h"
#include "platform/text.h"

namespace {

using namespace haltwise;

constexpr const char* kNames[] = {"MODE",         "DATE",  "TIME",   "MINUTES", "HOURS",  "CPU",
                                  "CONFIRMATION", "FORCE", "ACTION", "WARN",    "SNOOZE", "INPUT"};

void CheckLookups(const CommandLine& commandLine) {
  for (const char* name : kNames) {
    const std::string value = commandLine.CmdLineParamValue(name);
    fuzz::Check(value.find(' ') == std::string::npos, "a value ends at the first blank", value);
    if (!commandLine.CmdLineHasParam(name))
      fuzz::Check(value.empty(), "an absent name has no value");
  }
}

PresetControls PresetsOf(TfrmShutdown& form) {
  return {form.btnIdle,      form.btnSched,  form.btnCntDn,  form.edtCPUUsage, form.edtCPUMin,
          form.chkNoInput,   form.DateSched, form.TimeSched, form.edtCntDn,    form.chkHours,
          form.chkMins,      form.chkLogOff, form.chkReboot, form.chkShutdown, form.chkSuspend,
          form.chkHibernate, form.chkForce};
}

// What the preset controls held when the window was created.
class PresetSnapshot {
 public:
  explicit PresetSnapshot(TfrmShutdown& form) : form_(form) {
    const PresetControls c = PresetsOf(form);
    for (Button* button : {&c.btnIdle, &c.btnSched, &c.btnCntDn, &c.chkLogOff, &c.chkReboot,
                           &c.chkShutdown, &c.chkSuspend, &c.chkHibernate, &c.chkForce}) {
      buttons_.emplace_back(button, button->Down());
    }
    for (SpinEdit* edit : {&c.edtCPUUsage, &c.edtCPUMin, &c.edtCntDn}) {
      edits_.emplace_back(edit, edit->Value());
    }
    for (DateTimePicker* picker : {&c.DateSched, &c.TimeSched}) {
      pickers_.emplace_back(picker, picker->Value());
    }
    for (RadioButton* radio : {&c.chkHours, &c.chkMins})
      radios_.emplace_back(radio, radio->Checked());
    noInput_ = c.chkNoInput.Checked();
    askConfirmation_ = form.AskConfirmation;
  }

  void Restore() const {
    form_.ResetModeButtons();
    form_.pcConfig.ShowPage("tsSplash");
    for (const auto& [button, down] : buttons_) button->SetDown(down);
    for (const auto& [edit, value] : edits_) edit->SetValue(value);
    for (const auto& [picker, value] : pickers_) picker->SetValue(value);
    for (const auto& [radio, checked] : radios_) {
      if (checked) radio->SetChecked(true);
    }
    form_.chkNoInput.SetChecked(noInput_);
    form_.AskConfirmation = askConfirmation_;
  }

 private:
  TfrmShutdown& form_;
  std::vector<std::pair<Button*, bool>> buttons_;
  std::vector<std::pair<SpinEdit*, double>> edits_;
  std::vector<std::pair<DateTimePicker*, DateTime>> pickers_;
  std::vector<std::pair<RadioButton*, bool>> radios_;
  bool noInput_ = false;
  bool askConfirmation_ = true;
};

class ReusedWindow {
 public:
  ReusedWindow() { Create(); }

  fuzz::HeadlessWindow& Prepare() {
    if (!Idle()) Create();
    window_->clock.SetTick(startTick_);
    window_->clock.SetLocal(startTime_);
    snapshot_->Restore();
    return *window_;
  }

  // What an input left in the fakes goes before it ends: memory it keeps
  // past its end makes libFuzzer search the whole heap for leaks.
  void Finish() { window_->ForgetRecords(); }

 private:
  bool Idle() const {
    return window_->form->CurrentWatch().State() == WatchState::Idle &&
           !window_->form->btnStart.Down();
  }
  void Create() {
    snapshot_.reset();
    window_ = std::make_unique<fuzz::HeadlessWindow>("");
    startTick_ = window_->clock.TickCount();
    startTime_ = window_->clock.Now();
    window_->form->FormCreate();
    snapshot_ = std::make_unique<PresetSnapshot>(*window_->form);
  }

  std::unique_ptr<fuzz::HeadlessWindow> window_;
  std::unique_ptr<PresetSnapshot> snapshot_;
  std::uint32_t startTick_ = 0;
  DateTime startTime_ = 0;
};

void CheckWindow(const fuzz::HeadlessWindow& window, const CommandLine& commandLine) {
  const TfrmShutdown& form = *window.form;
  int pressed = 0;
  for (const Button* toggle : {&form.chkLogOff, &form.chkReboot, &form.chkShutdown,
                               &form.chkSuspend, &form.chkHibernate}) {
    pressed += toggle->Down() ? 1 : 0;
  }
  fuzz::Check(pressed <= 1, "at most one action is pressed");
  for (const SpinEdit* edit : {&form.edtCPUUsage, &form.edtCPUMin, &form.edtCntDn}) {
    fuzz::Check(edit->Value() >= edit->MinValue() && edit->Value() <= edit->MaxValue(),
                "an edit keeps its range", edit->Name());
  }
  const bool noConfirmation = commandLine.CmdLineHasParam("CONFIRMATION") &&
                              UpperCaseAscii(commandLine.CmdLineParamValue("CONFIRMATION")) == "NO";
  fuzz::Check(form.AskConfirmation == !noConfirmation,
              "CONFIRMATION=NO alone turns confirmation off");
  for (const std::string& shown : window.notifier.shown) {
    fuzz::Check(shown.rfind("message: ", 0) == 0, "the command line reports in plain boxes", shown);
  }
  fuzz::Check(window.power.Calls().empty() && window.events.events.empty() &&
                  form.CurrentWatch().State() == WatchState::Idle,
              "the command line never arms nor acts");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ReusedWindow reused;
  // A command line is a C string: it ends at the first zero.
  std::string arguments(reinterpret_cast<const char*>(data), size);
  arguments = arguments.substr(0, arguments.find('\0'));
  const StartupInfo startup = fuzz::HeadlessWindow::Startup(arguments);
  const CommandLine commandLine(startup.commandLine, startup.arguments);
  CheckLookups(commandLine);

  fuzz::HeadlessWindow& window = reused.Prepare();
  TfrmShutdown& form = *window.form;
  const PresetOptions options =
      CommandLinePresets(commandLine, window.notifier, PresetsOf(form)).Apply();
  form.AskConfirmation = options.askConfirmation;
  form.WarnAhead = options.warnAhead;
  form.SnoozeMinutes = options.snoozeMinutes.value_or(TfrmShutdown::kDefaultSnoozeMinutes);
  CheckWindow(window, commandLine);

  // Armed as the user would, then a few ticks of every timer.
  form.btnStart.UserClick();
  window.queue.Advance(3000);
  form.btnStart.UserClick();
  reused.Finish();
  return 0;
}
