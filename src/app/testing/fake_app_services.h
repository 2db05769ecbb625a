#pragma once
// The fakes behind the main window's seams, for the unit tests and the fuzz
// targets that drive the whole window. Each harness brings three seams of
// its own: the settings files, the confirmation's modal loop and the host.
#include <functional>
#include <string>
#include <utility>

#include "app/app_services.h"
#include "gfx/builtin_font.h"
#include "gfx/system_colors.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_event_source.h"
#include "platform/fake/fake_input_activity.h"
#include "platform/fake/fake_locale_format.h"
#include "platform/fake/fake_power.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_security.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_system_info.h"
#include "platform/fake/fake_user_notifier.h"

namespace haltwise {

struct FakeAppServices {
  // The window's services: these fakes, the harness's own three seams and
  // its measure of wrapped status text.
  AppServices Services(PrivateProfile& profile, ConfirmationRunner& confirmation,
                       MainWindowHost& host,
                       std::function<int(const std::string& text, int width)> wrappedTextHeight) {
    return {clock,    input, locale,       notifier,
            security, power, systemInfo,   registry,
            events,   shell, profile,      confirmation,
            host,     fonts, systemColors, std::move(wrappedTextHeight)};
  }

  fake::FakeClock clock;
  fake::FakeInputActivity input;
  fake::FakeLocaleFormat locale;
  fake::FakeUserNotifier notifier;
  fake::FakeSecurity security;
  fake::FakePower power;
  fake::FakeSystemInfo systemInfo;
  fake::FakeRegistry registry;
  fake::FakeEventSource events;
  fake::FakeShell shell;
  BuiltinFontRasteriser fonts;
  ClassicSystemColors systemColors;
};

// How the program is started from `exePath` with `arguments`, which are
// split at blanks and tabs as the shell does for unquoted words.
inline StartupInfo FakeStartup(const std::string& exePath, const std::string& arguments) {
  StartupInfo startup;
  startup.exePath = exePath;
  startup.commandLine = "\"" + exePath + "\" " + arguments;
  std::string word;
  for (char c : arguments + " ") {
    if (c == ' ' || c == '\t') {
      if (!word.empty()) startup.arguments.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  return startup;
}

}  // namespace haltwise
