// libFuzzer target: the command line. Its lookups never fail, and a whole
// main window created with it applies what it can, reports the rest in
// plain message boxes, and can then be armed and run for a few seconds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "config/command_line.h"
#include "fuzz_support.h"
#include "headless_window.h"
#include "platform/error.h"
#include "platform/text.h"

namespace {

using namespace haltwise;

constexpr const char* kNames[] = {"MODE",    "DATE",         "TIME",  "MINUTES", "HOURS",
                                  "CPU",     "CONFIRMATION", "FORCE", "ACTION"};

void CheckLookups(const CommandLine& commandLine) {
  for (const char* name : kNames) {
    const std::string value = commandLine.CmdLineParamValue(name);
    fuzz::Check(value.find(' ') == std::string::npos, "a value ends at the first blank", value);
    if (!commandLine.CmdLineHasParam(name)) fuzz::Check(value.empty(), "an absent name has no value");
  }
}

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
  fuzz::Check(form.AskConfirmation == !noConfirmation, "CONFIRMATION=NO alone turns confirmation off");
  for (const std::string& shown : window.notifier.shown) {
    fuzz::Check(shown.rfind("message: ", 0) == 0, "the command line reports in plain boxes", shown);
  }
  fuzz::Check(window.power.Calls().empty() && window.events.events.empty(),
              "the command line never acts");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A command line is a C string: it ends at the first zero.
  std::string arguments(reinterpret_cast<const char*>(data), size);
  arguments = arguments.substr(0, arguments.find('\0'));

  fuzz::HeadlessWindow window(arguments);
  const CommandLine commandLine("\"/nonexistent-haltwise/Haltwise.exe\" " + arguments, {});
  CheckLookups(commandLine);
  window.form->FormCreate();
  CheckWindow(window, commandLine);

  // Armed as the user would, then a few ticks of every timer.
  window.form->btnStart.UserClick();
  window.queue.Advance(3000);
  window.form->btnStart.UserClick();
  return 0;
}
