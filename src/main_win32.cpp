// Haltwise.exe: wires the real Windows backends into the main window's
// logic, creates the window and runs the message loop.
#include "platform/win32/windows_api.h"
// After <windows.h>:
#include <commctrl.h>
#include <shellapi.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/app_services.h"
#include "app/frm_shutdown.h"
#include "platform/error.h"
#include "platform/win32/gdi_font_rasteriser.h"
#include "platform/win32/gdi_system_colors.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "ui/look/word_wrap.h"
#include "ui/win32/confirm_window.h"
#include "ui/win32/main_window.h"
#include "ui/win32/status_strip.h"
#include "ui/win32/win32_user_notifier.h"

namespace {

using namespace haltwise;

constexpr int kIconResource = 1;

// A path that fills the buffer may have been cut: ask again with more room.
std::string ExePath() {
  std::wstring path(MAX_PATH, L'\0');
  while (true) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return Narrow({path.data(), length});
    path.resize(path.size() * 2);
  }
}

// The arguments after the program's path.
std::vector<std::string> Arguments() {
  std::vector<std::string> arguments;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Narrow(wide[i]));
  LocalFree(wide);
  return arguments;
}

StartupInfo ReadStartup() {
  StartupInfo startup;
  startup.exePath = ExePath();
  startup.commandLine = Narrow(GetCommandLineW());
  startup.arguments = Arguments();
  // Recorded performance data in the working folder replaces the machine's.
  std::error_code error;
  if (std::filesystem::is_regular_file("dump.dat", error)) {
    startup.replayFile = std::filesystem::absolute("dump.dat", error);
  }
  return startup;
}

int RunMessageLoop(HWND main) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsWindow(main) && IsDialogMessageW(main, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

int Run() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES |
                                                      ICC_DATE_CLASSES | ICC_UPDOWN_CLASS |
                                                      ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource));

  Win32Platform platform;
  GdiFontRasteriser fonts;
  GdiSystemColors colors;
  Win32UserNotifier notifier("Haltwise");
  Win32ConfirmationRunner confirmation(fonts, colors);
  MainWindow window(fonts, colors, icon);
  AppServices services{
      .clock = platform.clock,
      .input = platform.inputActivity,
      .locale = platform.localeFormat,
      .notifier = notifier,
      .security = platform.security,
      .power = platform.power,
      .systemInfo = platform.systemInfo,
      .registry = platform.registry,
      .eventSource = platform.eventSource,
      .shell = platform.shell,
      .profile = platform.privateProfile,
      .confirmation = confirmation,
      .host = window,
      .fonts = fonts,
      .systemColors = colors,
      .wrappedTextHeight =
          [&fonts](const std::string& text, int width) {
            return WrappedTextHeight(fonts, StatusStrip::Font(), text, width);
          },
  };
  TfrmShutdown form(services, ReadStartup());
  window.Create(form);
  platform.shell.SetOwnerWindow(reinterpret_cast<std::uintptr_t>(window.Handle()));
  notifier.Attach(window.Handle(), window.Balloon(),
                  [&window](const std::string& name) { return window.FindControl(name); });
  confirmation.SetOwner(window.Handle());

  // An error in the window's creation (an unreadable skin bitmap, say) is
  // shown; the window comes up with what was set before it.
  try {
    form.FormCreate();
  } catch (const std::exception& error) {
    ShowErrorMessage(window.Handle(), error.what());
  }
  window.ApplyLook();
  window.ShowFirstTime();
  return RunMessageLoop(window.Handle());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  try {
    return Run();
  } catch (const std::exception& error) {
    MessageBoxW(nullptr, Widen(error.what()).c_str(), L"Haltwise", MB_OK | MB_ICONERROR);
    return 1;
  }
}
