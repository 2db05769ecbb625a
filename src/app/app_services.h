#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/confirm_dialog.h"
#include "app/main_window_host.h"
#include "gfx/font_rasteriser.h"
#include "gfx/system_colors.h"
#include "platform/clock.h"
#include "platform/event_source.h"
#include "platform/input_activity.h"
#include "platform/locale_format.h"
#include "platform/power.h"
#include "platform/private_profile.h"
#include "platform/registry.h"
#include "platform/security.h"
#include "platform/shell.h"
#include "platform/system_info.h"
#include "platform/user_notifier.h"

namespace haltwise {

// Everything the main window needs from the machine, wired by main() with
// the real Win32 backends and by tests with fakes.
struct AppServices {
  Clock& clock;
  InputActivity& input;
  LocaleFormat& locale;
  UserNotifier& notifier;
  Security& security;
  Power& power;
  SystemInfo& systemInfo;
  Registry& registry;
  EventSource& eventSource;
  Shell& shell;
  PrivateProfile& profile;
  ConfirmationRunner& confirmation;
  MainWindowHost& host;
  FontRasteriser& fonts;
  SystemColors& systemColors;
  // Height in pixels of a text word-wrapped to a width, in the status font.
  std::function<int(const std::string& text, int width)> wrappedTextHeight;
};

// What the process was started with.
struct StartupInfo {
  std::string exePath;                 // full path of the executable
  std::string commandLine;             // the whole command line, program path included
  std::vector<std::string> arguments;  // the separate arguments after the program path
  std::string applicationTitle = "Haltwise";
  // Recorded performance data to replay instead of the machine's own
  // ("dump.dat" in the current directory, when present).
  std::optional<std::filesystem::path> replayFile;
};

}  // namespace haltwise
