#pragma once
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_source.h"
#include "platform/win32/win32_input_activity.h"
#include "platform/win32/win32_locale_format.h"
#include "platform/win32/win32_power.h"
#include "platform/win32/win32_private_profile.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_security.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_info.h"

namespace haltwise {

// Every real seam of the program in one place, for main() to wire up. The
// notifier is the UI's business and lives in ui/win32.
struct Win32Platform {
  Win32Registry registry;
  Win32Security security;
  Win32Power power;
  Win32SystemInfo systemInfo;
  Win32EventSource eventSource;
  Win32Clock clock;
  Win32InputActivity inputActivity;
  Win32LocaleFormat localeFormat;
  Win32Shell shell;
  Win32PrivateProfile privateProfile;
};

}  // namespace haltwise
