// Drives the real Haltwise.exe as a user would, through window messages:
// starts it, finds its windows and controls by class and text, clicks them,
// reads what they show and saves screenshots of the screen.
//
//   haltwise_e2e_driver <journey> <path of Haltwise.exe> <screenshot folder>
//
// Journeys: startup, countdown, cancel, disk, balloon, tray, later, heads-up,
// confirm-keys, session, badskin, rehearsal, unicode, and scale96, scale144,
// scale192 (run with the Wine prefix's LogPixels at that DPI). Prints one
// line per check and exits with 1 at the first failed one.
#include "platform/win32/windows_api.h"
// After <windows.h>:
#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "gfx/bmp.h"
#include "gfx/dpi_scale.h"
#include "platform/win32/wide_text.h"
#include "ui/look/layout.h"
#include "ui/look/scaled_layout.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct Failure {
  std::string what;
};

// Set by main: shoots the screen at a failed check, while the journey's
// program still shows what went wrong (unwinding ends it).
std::function<void()> shootFailure;

void Check(bool ok, const std::string& what) {
  std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
  std::fflush(stdout);
  if (ok) return;
  if (shootFailure) shootFailure();
  throw Failure{what};
}

std::string TextOf(HWND window) {
  char buffer[1024] = {};
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer),
                      SMTO_ABORTIFHUNG, 2000, nullptr);
  return buffer;
}

std::string ClassOf(HWND window) {
  char buffer[256] = {};
  GetClassNameA(window, buffer, sizeof(buffer));
  return buffer;
}

// Polls until `probe` gives a window or the time is up.
HWND WaitFor(const std::function<HWND()>& probe, std::chrono::milliseconds timeout) {
  const auto end = Clock::now() + timeout;
  while (Clock::now() < end) {
    if (HWND found = probe()) return found;
    std::this_thread::sleep_for(100ms);
  }
  return nullptr;
}

// Keeps every processor of the machine busy while it lives. The program's
// processor meter measures this machine, not the replay, and an idle test
// machine can read under 1 %.
class BusyProcessors {
 public:
  BusyProcessors() {
    for (unsigned i = 0; i < std::max(1u, std::thread::hardware_concurrency()); ++i) {
      spinners_.emplace_back([this] {
        while (!stop_.load(std::memory_order_relaxed)) {
        }
      });
    }
  }
  BusyProcessors(const BusyProcessors&) = delete;
  BusyProcessors& operator=(const BusyProcessors&) = delete;
  ~BusyProcessors() {
    stop_ = true;
    for (std::thread& spinner : spinners_) spinner.join();
  }

 private:
  std::atomic<bool> stop_{false};
  std::vector<std::thread> spinners_;
};

class App {
 public:
  // `exe` and `arguments` are UTF-8.
  App(const std::string& exe, const std::string& arguments) {
    std::wstring commandLine = haltwise::Widen("\"" + exe + "\" " + arguments);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    const std::wstring folder = haltwise::Widen(exe.substr(0, exe.find_last_of("\\/") + 1));
    Check(
        CreateProcessW(haltwise::Widen(exe).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                       nullptr, folder.empty() ? nullptr : folder.c_str(), &si, &process_) != FALSE,
        "Haltwise.exe started: " + arguments);
  }
  ~App() {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
      TerminateProcess(process_.hProcess, 9);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  bool Ended(std::chrono::milliseconds timeout) const {
    return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) ==
           WAIT_OBJECT_0;
  }

  // A top-level window of the program with this class (and title, if given).
  HWND TopLevel(const std::string& windowClass, const std::string& title = "",
                bool visibleOnly = true) const {
    struct Search {
      DWORD pid;
      std::string cls, title;
      bool visible;
      HWND found;
    } search{process_.dwProcessId, windowClass, title, visibleOnly, nullptr};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
          auto& s = *reinterpret_cast<Search*>(p);
          DWORD pid = 0;
          GetWindowThreadProcessId(w, &pid);
          if (pid != s.pid || ClassOf(w) != s.cls) return TRUE;
          if (s.visible && !IsWindowVisible(w)) return TRUE;
          if (!s.title.empty() && TextOf(w) != s.title) return TRUE;
          s.found = w;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  HWND Main(bool visibleOnly = true) const {
    return TopLevel("HaltwiseMainWindow", "", visibleOnly);
  }

  HWND WaitMain() {
    HWND main = WaitFor([this] { return Main(); }, 20s);
    Check(main != nullptr, "main window shown");
    return main;
  }

 private:
  PROCESS_INFORMATION process_{};
};

// The visible child windows of `parent`, in creation order.
std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(
      parent,
      [](HWND w, LPARAM p) -> BOOL {
        if (IsWindowVisible(w)) reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND ChildWithText(HWND parent, const std::string& text) {
  for (HWND w : Children(parent)) {
    if (TextOf(w) == text) return w;
  }
  return nullptr;
}

HWND ChildOfClass(HWND parent, const std::string& windowClass, int index = 0) {
  for (HWND w : Children(parent)) {
    if (ClassOf(w) == windowClass && index-- == 0) return w;
  }
  return nullptr;
}

// A click that may open a modal box: posted, so the driver does not wait
// for the box to close.
void Click(HWND parent, const std::string& text) {
  HWND button = WaitFor([&] { return ChildWithText(parent, text); }, 5s);
  Check(button != nullptr, "found \"" + text + "\"");
  PostMessageA(button, BM_CLICK, 0, 0);
  std::this_thread::sleep_for(300ms);
}

std::string Status(HWND main) {
  HWND strip = ChildOfClass(main, "HaltwiseStatus");
  return strip ? TextOf(strip) : std::string();
}

bool WaitStatus(HWND main, const std::function<bool(const std::string&)>& ok,
                std::chrono::milliseconds timeout) {
  return WaitFor([&]() -> HWND { return ok(Status(main)) ? main : nullptr; }, timeout) != nullptr;
}

// Waits for the status line, then checks it and shows the text it ended
// with (read after the wait, not before it).
void CheckStatus(HWND main, const std::function<bool(const std::string&)>& ok,
                 std::chrono::milliseconds timeout, const std::string& what) {
  const bool seen = WaitStatus(main, ok, timeout);
  Check(seen, what + Status(main));
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// Every text of a message box, joined by " | ".
std::string BoxText(HWND box) {
  std::string text;
  for (HWND w : Children(box)) {
    if (ClassOf(w) == "Static" && !TextOf(w).empty())
      text += (text.empty() ? "" : " | ") + TextOf(w);
  }
  return text;
}

// The rehearsal's box once the confirmation has run out: waited for,
// checked to say "Test Shutdown mode 9" and returned still open.
HWND WaitTestShutdownBox(const App& app, const std::string& what) {
  HWND box = WaitFor([&] { return app.TopLevel("#32770", "Haltwise"); }, 20s);
  Check(box != nullptr && BoxText(box) == "Test Shutdown mode 9",
        what + ": " + (box ? BoxText(box) : std::string("none shown")));
  return box;
}

// The rehearsal's box, checked and closed with OK.
void AcceptTestShutdown(const App& app, const std::string& what) {
  PostMessageA(WaitTestShutdownBox(app, what), WM_COMMAND, IDOK, 0);
}

class Screenshots {
 public:
  Screenshots(std::string folder, std::string journey)
      : folder_(std::move(folder)), journey_(std::move(journey)) {}

  void Take(const std::string& name) {
    std::this_thread::sleep_for(400ms);  // let the last repaint land
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    GdiFlush();
    haltwise::Bitmap32 image(w, h);
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const std::uint32_t p = pixels[y * w + x];
        image.SetPixel(x, y, ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
      }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const std::string path = folder_ + "\\" + journey_ + "-" + name + ".bmp";
    haltwise::WriteBmpFile(image, path);
    std::printf("shot %s\n", path.c_str());
  }

 private:
  std::string folder_;
  std::string journey_;
};

// Each journey puts its window at its own place, so journeys can run side
// by side on one screen.
void Place(HWND main, int slot) {
  SetWindowPos(main, nullptr, 10 + (slot % 2) * 640, 10 + (slot / 2) * 500, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Ready(HWND main) {
  Check(WaitStatus(
            main, [](const std::string& s) { return s == "No shutdown in progress."; }, 30s),
        "status \"No shutdown in progress.\" after the first activation");
}

// The program's main window, shown at its slot of the screen and done with
// its first activation.
HWND ReadyMain(App& app, int slot) {
  HWND main = app.WaitMain();
  Place(main, slot);
  Ready(main);
  return main;
}

void Startup(const std::string& exe, Screenshots& shots) {
  App app(exe, "");
  HWND main = ReadyMain(app, 0);
  HWND lcd = ChildOfClass(main, "HaltwiseDisplay");
  Check(lcd && TextOf(lcd) == "00:00:00:00", "LCD reads 00:00:00:00: " + (lcd ? TextOf(lcd) : ""));
  Check(ChildWithText(main, "Haltwise") != nullptr, "splash page shows \"Haltwise\"");
  Check(ChildWithText(main, "v2.0") != nullptr, "splash page shows \"v2.0\"");
  std::this_thread::sleep_for(4s);  // the graphs take a few samples
  shots.Take("splash");
}

// Arms the command line's count-down of one minute and waits for the
// confirmation dialog; `cancel` presses "Cancel !!" in it.
void CountDown(const std::string& exe, Screenshots& shots, bool cancel) {
  App app(exe, "MODE=COUNTDOWN MINUTES=1 ACTION=SHUTDOWN /testonly");
  HWND main = ReadyMain(app, cancel ? 1 : 0);
  Click(main, "Start!");
  CheckStatus(
      main, [](const std::string& s) { return StartsWith(s, "Shutdown will ocurr at "); }, 5s,
      "status: ");
  Check(ChildWithText(main, "Stop!") != nullptr, "Start reads \"Stop!\"");
  shots.Take("armed");

  HWND confirm = WaitFor([&] { return app.TopLevel("HaltwiseConfirm"); }, 80s);
  Check(confirm != nullptr, "confirmation dialog shown");
  const std::string first = TextOf(ChildOfClass(confirm, "Static"));
  Check(StartsWith(first, "Shutdown will occur in 1"), "dialog: " + first);
  std::this_thread::sleep_for(2500ms);
  const std::string later = TextOf(ChildOfClass(confirm, "Static"));
  Check(later != first && StartsWith(later, "Shutdown will occur in "), "counting down: " + later);
  shots.Take("confirm");

  if (cancel) {
    Click(confirm, "Cancel !!");
    Check(WaitFor([&]() -> HWND { return app.TopLevel("HaltwiseConfirm") ? nullptr : main; }, 5s) !=
              nullptr,
          "dialog closed by \"Cancel !!\"");
    std::this_thread::sleep_for(2s);
    Check(app.TopLevel("#32770") == nullptr, "no message box after the cancel");
    Check(ChildWithText(main, "Stop!") != nullptr, "the window stays armed");
    Check(StartsWith(Status(main), "Shutdown Cancelled."),
          "status after the cancel: " + Status(main));
    shots.Take("cancelled");
    Click(main, "Stop!");
    Check(ChildWithText(main, "Start!") != nullptr, "\"Stop!\" disarms");
    CheckStatus(
        main, [](const std::string& s) { return s == "No shutdown in progress."; }, 5s,
        "status after Stop: ");
    shots.Take("stopped");
    return;
  }
  HWND box = WaitTestShutdownBox(app, "message box when the countdown ran out");
  shots.Take("test-shutdown");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

void Disk(const std::string& exe, Screenshots& shots) {
  App app(exe, "ACTION=SHUTDOWN /testonly");
  HWND main = ReadyMain(app, 2);
  Click(main, "Disk Usage");
  HWND minutes = ChildOfClass(main, "Edit", 1);
  Check(minutes != nullptr, "Disk Usage page shows its edits");
  SendMessageA(minutes, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1"));
  Check(TextOf(minutes) == "1", "minutes set to 1");
  Click(main, "Start!");
  CheckStatus(
      main,
      [](const std::string& s) { return StartsWith(s, "Disk Transfer under 10 KBytes for "); }, 5s,
      "status: ");
  shots.Take("armed");
  HWND confirm = WaitFor([&] { return app.TopLevel("HaltwiseConfirm"); }, 100s);
  Check(confirm != nullptr, "the quiet disk made the watch fall due");
  shots.Take("due");
  AcceptTestShutdown(app, "message box");
}

void Balloon(const std::string& exe, Screenshots& shots) {
  App app(exe, "");
  HWND main = ReadyMain(app, 3);
  Click(main, "Count Down");
  Click(main, "Start!");
  // A control's hint may show in a tooltip of its own at the same time.
  HWND tip = WaitFor(
      [&] { return app.TopLevel("tooltips_class32", "Please select an action to perform."); }, 3s);
  Check(tip != nullptr, "balloon \"Please select an action to perform.\"");
  Check(ChildWithText(main, "Start!") != nullptr, "nothing armed: Start still reads \"Start!\"");
  shots.Take("no-action");
}

void Tray(const std::string& exe, Screenshots& shots) {
  App app(exe, "");
  HWND main = ReadyMain(app, 3);
  Click(main, "Hide");
  Check(WaitFor([&]() -> HWND { return IsWindowVisible(main) ? nullptr : main; }, 3s) != nullptr,
        "hidden to the notification area");
  shots.Take("hidden");
  // A double click on the icon reaches the window as its icon message.
  PostMessageA(main, WM_APP + 1, 1, WM_LBUTTONDBLCLK);
  Check(WaitFor([&]() -> HWND { return IsWindowVisible(main) ? main : nullptr; }, 3s) != nullptr,
        "restored from the notification area");
  shots.Take("restored");
  Click(main, "Close");
  Check(app.Ended(10000ms), "the program ends when its window closes");
}

// The session ends under an armed watch: the settings file is written
// before the process is gone, and the watch ends.
void Session(const std::string& exe, Screenshots& shots) {
  App app(exe, "MODE=COUNTDOWN MINUTES=5 ACTION=SHUTDOWN /testonly");
  HWND main = ReadyMain(app, 0);
  Click(main, "Start!");
  CheckStatus(
      main, [](const std::string& s) { return StartsWith(s, "Shutdown will ocurr at "); }, 5s,
      "armed: ");
  const std::string ini = exe.substr(0, exe.find_last_of("\\/") + 1) + "Haltwise.ini";
  DeleteFileA(ini.c_str());
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                      &answer);
  Check(answer == TRUE, "WM_QUERYENDSESSION answered TRUE");
  SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                      nullptr);
  Check(GetFileAttributesA(ini.c_str()) != INVALID_FILE_ATTRIBUTES,
        "Haltwise.ini written at WM_ENDSESSION");
  Check(ChildWithText(main, "Start!") != nullptr, "the watch ended");
  Check(Status(main) == "No shutdown in progress.", "status: " + Status(main));
  shots.Take("ended");
}

// A skin folder whose main picture is no bitmap: one error box names it,
// then the window comes up with the command line applied.
void BadSkin(const std::string& exe, Screenshots& shots) {
  App app(exe, "MODE=COUNTDOWN MINUTES=1 ACTION=SHUTDOWN /testonly");
  HWND box = WaitFor([&] { return app.TopLevel("#32770", "Error"); }, 20s);
  Check(box != nullptr, "an error box for the skin");
  Check(BoxText(box).find("Cannot read the bitmap") != std::string::npos &&
            BoxText(box).find("MainForm.bmp") != std::string::npos,
        "error box: " + BoxText(box));
  shots.Take("error");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  HWND main = ReadyMain(app, 1);
  Check(app.TopLevel("#32770") == nullptr, "no second box");
  Click(main, "Start!");
  CheckStatus(
      main, [](const std::string& s) { return StartsWith(s, "Shutdown will ocurr at "); }, 5s,
      "the command line's count-down armed: ");
  shots.Take("armed");
  Click(main, "Stop!");
}

// A count-down rehearsed without the confirmation: when it falls due, the
// only thing that happens is the message naming the action. No dialog, no
// second box, and the program is still there (the script checks that no
// event-log entry, which every real power call writes first, was made).
void Rehearsal(const std::string& exe, Screenshots& shots) {
  App app(exe, "MODE=COUNTDOWN MINUTES=1 ACTION=SHUTDOWN CONFIRMATION=NO /testonly");
  HWND main = ReadyMain(app, 0);
  Click(main, "Start!");
  CheckStatus(
      main, [](const std::string& s) { return StartsWith(s, "Shutdown will ocurr at "); }, 5s,
      "armed: ");
  bool confirmed = false;
  HWND box = WaitFor(
      [&] {
        confirmed = confirmed || app.TopLevel("HaltwiseConfirm") != nullptr;
        return app.TopLevel("#32770");
      },
      80s);
  Check(!confirmed, "no confirmation dialog");
  Check(box != nullptr && TextOf(box) == "Haltwise" && BoxText(box) == "Test Shutdown mode 9",
        "the message box when the count-down ran out: " + (box ? BoxText(box) : std::string()));
  shots.Take("test-shutdown");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  std::this_thread::sleep_for(3s);
  Check(app.TopLevel("#32770") == nullptr && app.TopLevel("HaltwiseConfirm") == nullptr,
        "nothing else shown");
  Check(!app.Ended(0ms) && IsWindow(main), "the program goes on");
  Click(main, "Stop!");
  const bool stopped = WaitStatus(
      main, [](const std::string& s) { return s == "No shutdown in progress."; }, 5s);
  Check(stopped, "\"Stop!\" ends the watch: " + Status(main));
  shots.Take("stopped");
}

// The window's place of a child, in the main window's client pixels.
haltwise::Rect PlaceIn(HWND main, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

std::string Describe(const haltwise::Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

// The main window at a display scale: its size, every control found by
// its caption at its scaled place, and a watch armed and stopped. At 144
// DPI the confirmation dialog is shown too; at 192 the window wears the
// example skin (copied beside the program as Skin) and opens its about box.
void Scaled(const std::string& exe, Screenshots& shots, int dpi) {
  HDC screen = GetDC(nullptr);
  const int screenDpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  Check(screenDpi == dpi,
        "the screen is at " + std::to_string(dpi) + " DPI: " + std::to_string(screenDpi));
  const haltwise::DpiScale scale(dpi);
  const bool confirm = dpi == 144;
  App app(exe, confirm ? "MODE=COUNTDOWN MINUTES=1 ACTION=SHUTDOWN /testonly" : "");
  HWND main = app.WaitMain();
  SetWindowPos(main, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Ready(main);
  RECT window;
  GetWindowRect(main, &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  Check(width == scale(haltwise::layout::kFormWidth) &&
            height == scale(haltwise::layout::kFormHeight),
        "window " + std::to_string(width) + " x " + std::to_string(height));

  namespace layout = haltwise::layout;
  const std::pair<const char*, haltwise::Rect> placed[] = {
      {"Haltwise v2.0", layout::kTitle},
      {"Help", layout::kHelp},
      {"Hide", layout::kHide},
      {"Close", layout::kClose},
      {"CPU Idle Time", layout::ModeButton(0)},
      {"Scheduled", layout::ModeButton(1)},
      {"Count Down", layout::ModeButton(2)},
      {"Network Usage", layout::ModeButton(3)},
      {"Disk Usage", layout::ModeButton(4)},
      {"Custom", layout::ModeButton(5)},
      {"Logoff", layout::Toggle(0)},
      {"Reboot", layout::Toggle(1)},
      {"Shutdown - Power off", layout::Toggle(2)},
      {"Suspend - Stand by", layout::Toggle(3)},
      {"Hibernate", layout::Toggle(4)},
      {"Force Selected Action", layout::Toggle(5)},
      {"Start!", layout::kStart},
  };
  for (const auto& [caption, design] : placed) {
    HWND control = ChildWithText(main, caption);
    Check(control != nullptr, std::string("found \"") + caption + "\"");
    const haltwise::Rect at = PlaceIn(main, control);
    Check(at == scale(design), std::string("\"") + caption + "\" at " + Describe(at));
  }
  for (const char* caption : {"CPU Usage", "Network Usage (Kb)", "Disk Usage (Kb)"}) {
    Check(ChildWithText(main, caption) != nullptr, std::string("found \"") + caption + "\"");
  }
  HWND lcd = ChildOfClass(main, "HaltwiseDisplay");
  Check(lcd != nullptr && PlaceIn(main, lcd) == layout::LcdAt(scale),
        "LCD at " + (lcd ? Describe(PlaceIn(main, lcd)) : std::string()));
  shots.Take("window");

  if (dpi == 192) {
    Click(main, "Haltwise v2.0");
    HWND about = WaitFor([&] { return app.TopLevel("HaltwiseAbout"); }, 5s);
    Check(about != nullptr, "about box shown");
    RECT r;
    GetWindowRect(about, &r);
    Check(r.right - r.left == scale(300),
          "about box " + std::to_string(r.right - r.left) + " wide");
    shots.Take("about");
    Click(about, "OK");
    Check(WaitFor([&]() -> HWND { return app.TopLevel("HaltwiseAbout") ? nullptr : main; }, 5s) !=
              nullptr,
          "about box closed by \"OK\"");
  }

  if (!confirm) {
    Click(main, "Count Down");
    Check(ChildOfClass(main, "Edit") != nullptr, "Count Down page shows its edit");
    Click(main, "Shutdown - Power off");
  }
  Click(main, "Start!");
  CheckStatus(
      main, [](const std::string& s) { return StartsWith(s, "Shutdown will ocurr at "); }, 5s,
      "armed: ");
  shots.Take("armed");
  if (confirm) {
    HWND dialog = WaitFor([&] { return app.TopLevel("HaltwiseConfirm"); }, 80s);
    Check(dialog != nullptr, "confirmation dialog shown");
    RECT r;
    GetWindowRect(dialog, &r);
    Check(r.right - r.left == scale(214) && r.bottom - r.top == scale(75),
          "dialog " + std::to_string(r.right - r.left) + " x " + std::to_string(r.bottom - r.top));
    HWND cancel = ChildWithText(dialog, "Cancel !!");
    Check(cancel != nullptr && PlaceIn(dialog, cancel) == scale(haltwise::Rect{120, 40, 193, 62}),
          "\"Cancel !!\" at its scaled place");
    shots.Take("confirm");
    Click(dialog, "Cancel !!");
    Check(WaitFor([&]() -> HWND { return app.TopLevel("HaltwiseConfirm") ? nullptr : main; }, 5s) !=
              nullptr,
          "dialog closed by \"Cancel !!\"");
  }
  Click(main, "Stop!");
  CheckStatus(
      main, [](const std::string& s) { return s == "No shutdown in progress."; }, 5s, "stopped: ");
}

// Waits for the confirmation dialog of `app`.
HWND WaitConfirm(const App& app, std::chrono::milliseconds timeout) {
  return WaitFor([&] { return app.TopLevel("HaltwiseConfirm"); }, timeout);
}

bool WaitConfirmGone(const App& app, HWND main) {
  return WaitFor([&]() -> HWND { return app.TopLevel("HaltwiseConfirm") ? nullptr : main; }, 5s) !=
         nullptr;
}

// A one-minute count-down snoozed by a minute: the action is put off, the
// status line says until when, and the confirmation comes back about a
// minute later and then goes ahead.
void Snooze(const std::string& exe, Screenshots& shots) {
  App app(exe, "MODE=COUNTDOWN MINUTES=1 SNOOZE=1 ACTION=SHUTDOWN /testonly");
  HWND main = ReadyMain(app, 2);
  Click(main, "Start!");
  HWND confirm = WaitConfirm(app, 80s);
  Check(confirm != nullptr, "confirmation dialog shown");
  Check(ChildWithText(confirm, "Cancel !!") && ChildWithText(confirm, "Snooze"),
        "the dialog offers \"Snooze\" beside \"Cancel !!\"");
  shots.Take("confirm");
  Click(confirm, "Snooze");
  const auto snoozed = Clock::now();
  Check(WaitConfirmGone(app, main), "dialog closed by \"Snooze\"");
  CheckStatus(
      main, [](const std::string& s) { return StartsWith(s, "Snoozed until "); }, 5s, "status: ");
  Check(app.TopLevel("#32770") == nullptr, "nothing carried out at the snooze");
  Check(ChildWithText(main, "Stop!") != nullptr, "the watch goes on");
  shots.Take("snoozed");

  confirm = WaitConfirm(app, 90s);
  const auto after =
      std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - snoozed).count();
  Check(confirm != nullptr, "confirmation back after the snooze");
  Check(after >= 55 && after <= 75, "back " + std::to_string(after) + " s after the snooze");
  shots.Take("confirm-again");
  AcceptTestShutdown(app, "the action goes ahead the second time");
}

// The balloon a two-minute count-down gives a minute before its action,
// and not the five-minute one, whose moment lies before the start.
void Warning(const std::string& exe, Screenshots& shots) {
  App app(exe, "MODE=COUNTDOWN MINUTES=2 ACTION=SHUTDOWN /testonly");
  HWND main = ReadyMain(app, 3);
  Click(main, "Start!");
  const auto started = Clock::now();
  const auto warning = [&](const char* text) { return app.TopLevel("tooltips_class32", text); };
  HWND early =
      WaitFor([&] { return warning("Haltwise will shut down the computer in 5 minutes."); }, 5s);
  Check(early == nullptr, "no 5-minute warning for a 2-minute count-down");
  HWND tip =
      WaitFor([&] { return warning("Haltwise will shut down the computer in 1 minute."); }, 80s);
  const auto after =
      std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - started).count();
  Check(tip != nullptr, "balloon \"Haltwise will shut down the computer in 1 minute.\"");
  Check(after >= 55 && after <= 70,
        "the warning came " + std::to_string(after) + " s after the start");
  shots.Take("one-minute");
  Click(main, "Stop!");
  Check(ChildWithText(main, "Start!") != nullptr, "\"Stop!\" disarms");
}

// Escape, Alt+F4 and the system's close command each cancel the
// confirmation: the action is not carried out. A scheduled time already
// past makes the watch due at once.
void ConfirmKeys(const std::string& exe, Screenshots& shots) {
  SYSTEMTIME today{};
  GetLocalTime(&today);
  char date[16];
  std::snprintf(date, sizeof date, "%04u%02u%02u", today.wYear, today.wMonth, today.wDay);
  App app(exe,
          std::string("MODE=SCHEDULED DATE=") + date + " TIME=000000 ACTION=SHUTDOWN /testonly");
  HWND main = ReadyMain(app, 1);
  struct Way {
    const char* name;
    std::function<void(HWND confirm)> close;
  };
  const Way ways[] = {
      {"escape",
       [](HWND confirm) {
         HWND focus = ChildWithText(confirm, "Cancel !!");
         PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
         PostMessageA(focus, WM_KEYUP, VK_ESCAPE, 0xC0010001);
       }},
      {"alt-f4",
       [](HWND confirm) {
         HWND focus = ChildWithText(confirm, "Cancel !!");
         PostMessageA(focus, WM_SYSKEYDOWN, VK_F4, 0x203E0001);  // Alt held: bit 29
       }},
      {"close", [](HWND confirm) { PostMessageA(confirm, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const Way& way : ways) {
    Click(main, "Scheduled");  // every disarming releases the mode
    Click(main, "Start!");
    HWND confirm = WaitConfirm(app, 10s);
    Check(confirm != nullptr, std::string(way.name) + ": confirmation dialog shown");
    way.close(confirm);
    Check(WaitConfirmGone(app, main), std::string(way.name) + ": dialog closed");
    std::this_thread::sleep_for(2s);
    Check(app.TopLevel("#32770") == nullptr, std::string(way.name) + ": nothing carried out");
    Check(!StartsWith(Status(main), "Snoozed"),
          std::string(way.name) + ": not snoozed: " + Status(main));
    shots.Take(way.name);
    if (ChildWithText(main, "Stop!")) Click(main, "Stop!");
    Check(WaitFor([&] { return ChildWithText(main, "Start!"); }, 5s) != nullptr,
          std::string(way.name) + ": the watch is over");
  }
}

// What a window or a list item says, read through the wide calls, in UTF-8.
std::string WideTextOf(HWND window) {
  wchar_t buffer[1024] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer),
                      SMTO_ABORTIFHUNG, 2000, nullptr);
  return haltwise::Narrow(buffer);
}

std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring item(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1,
                      L'\0');
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    items.push_back(haltwise::Narrow(item.c_str()));
  }
  return items;
}

bool Contains(const std::vector<std::string>& items, const std::string& wanted) {
  return std::find(items.begin(), items.end(), wanted) != items.end();
}

// Chooses a list item as a user would: the selection, then its notification.
void Choose(HWND parent, HWND combo, const std::string& item) {
  const auto index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(haltwise::Widen(item).c_str()));
  Check(index != CB_ERR, "the list holds \"" + item + "\"");
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  std::this_thread::sleep_for(500ms);
}

void Lists(HWND main, Screenshots& shots);

// "Текстовый редактор 文字編輯器": a process of the replay.
const std::string kEditor =
    "\xD0\xA2\xD0\xB5\xD0\xBA\xD1\x81\xD1\x82\xD0\xBE\xD0\xB2\xD1\x8B\xD0\xB9 \xD1\x80\xD0\xB5"
    "\xD0\xB4\xD0\xB0\xD0\xBA\xD1\x82\xD0\xBE\xD1\x80 \xE6\x96\x87\xE5\xAD\x97\xE7\xB7\xA8\xE8"
    "\xBC\xAF\xE5\x99\xA8";

// Started from a folder named in Cyrillic and CJK letters, on a machine
// whose adapters and processes are named so too, by a user named so (the
// script sets the name): the command line, the settings file, the lists and
// the event log keep every letter.
void Unicode(const std::string& exe, Screenshots& shots) {
  const std::string test = "\xD0\xA2\xD0\xB5\xD1\x81\xD1\x82";  // "Тест"
  const std::string ini = exe.substr(0, exe.find_last_of("\\/") + 1) + "Haltwise.ini";
  DeleteFileW(haltwise::Widen(ini).c_str());
  {
    App app(exe, "MODE=" + test);
    HWND box = WaitFor([&] { return app.TopLevel("#32770"); }, 20s);
    Check(box != nullptr, "a message box about the command line");
    std::string text;
    for (HWND w : Children(box)) {
      if (ClassOf(w) == "Static" && !WideTextOf(w).empty()) text = WideTextOf(w);
    }
    Check(text == "Invalid mode: " + test, "the box names the value: " + text);
    shots.Take("command-line");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    HWND main = ReadyMain(app, 0);
    Click(main, "Close");
    Check(app.Ended(10000ms), "the program ends when its window closes");
  }
  Check(GetFileAttributesW(haltwise::Widen(ini).c_str()) != INVALID_FILE_ATTRIBUTES,
        "Haltwise.ini written beside the executable: " + ini);

  {
    App app(exe, "");
    HWND main = ReadyMain(app, 0);
    Lists(main, shots);
    Click(main, "Close");
    Check(app.Ended(10000ms), "the program ends when its window closes");
  }
  wchar_t stored[256] = {};
  GetPrivateProfileStringW(L"Custom", L"PerformanceInstanceName", L"", stored, std::size(stored),
                           haltwise::Widen(ini).c_str());
  Check(haltwise::Narrow(stored) == kEditor,
        "Haltwise.ini keeps the process's name: " + haltwise::Narrow(stored));
  {
    App app(exe, "");
    HWND main = ReadyMain(app, 0);
    Click(main, "Custom");
    HWND instances = ChildOfClass(main, "ComboBox", 2);
    Check(instances && WideTextOf(instances) == kEditor,
          "the chosen process is restored: " + (instances ? WideTextOf(instances) : std::string()));
    Click(main, "Close");
    Check(app.Ended(10000ms), "the program ends when its window closes");
  }

  // A busy processor cancels the count-down; the warning goes to the event
  // log with the SID of the user, who is named in Cyrillic letters.
  const BusyProcessors busy;
  App app(exe, "MODE=COUNTDOWN MINUTES=1 CPU=1 ACTION=SHUTDOWN /testonly");
  HWND main = ReadyMain(app, 0);
  Click(main, "Start!");
  CheckStatus(
      main, [](const std::string& s) { return StartsWith(s, "Shutdown will ocurr at "); }, 5s,
      "armed: ");
  CheckStatus(
      main, [](const std::string& s) { return StartsWith(s, "Time limit reached, but CPU"); }, 90s,
      "cancelled by the busy processor: ");
  Check(app.TopLevel("#32770") == nullptr, "no error box: the user's SID was found");
  shots.Take("cancelled");
  Click(main, "Close");
  Check(app.Ended(10000ms), "the program ends when its window closes");
}

// The adapters and the processes of the replay, named in Cyrillic and CJK
// letters, as the lists hold them.
void Lists(HWND main, Screenshots& shots) {
  Click(main, "Network Usage");
  HWND adapters = ChildOfClass(main, "ComboBox");
  Check(adapters != nullptr, "the adapter list is shown");
  const std::vector<std::string> names = ComboItems(adapters);
  const std::string wired =
      "\xD0\xA1\xD0\xB5\xD1\x82\xD0\xB5\xD0\xB2\xD0\xBE\xD0\xB9 "
      "\xD0\xB0\xD0\xB4\xD0\xB0\xD0\xBF\xD1\x82\xD0\xB5\xD1\x80 "
      "Realtek PCIe GbE";  // "Сетевой адаптер ..."
  const std::string wireless =
      "\xE7\x84\xA1\xE7\xB7\x9A\xE7\xB6\xB2\xE8\xB7\xAF\xE5\x8D\xA1 "
      "Wi-Fi 6 AX201";  // "無線網路卡 ..."
  Check(Contains(names, wired) && Contains(names, wireless),
        "the adapters keep their names (" + std::to_string(names.size()) + " listed)");
  Choose(main, adapters, wireless);
  Check(WideTextOf(adapters) == wireless, "the chosen adapter shows: " + WideTextOf(adapters));
  shots.Take("adapters");

  Click(main, "Custom");
  HWND objects = ChildOfClass(main, "ComboBox", 0);
  Check(objects != nullptr, "the object list is shown");
  Choose(main, objects, "Process");
  HWND counters = ChildOfClass(main, "ComboBox", 1);
  const std::vector<std::string> counterNames =
      counters ? ComboItems(counters) : std::vector<std::string>();
  Check(!counterNames.empty(), "the counters of \"Process\" are listed");
  Choose(main, counters, counterNames.front());
  HWND instances = ChildOfClass(main, "ComboBox", 2);
  Check(instances != nullptr, "the instance list is shown");
  Choose(main, instances, kEditor);
  Check(WideTextOf(instances) == kEditor, "the chosen process shows: " + WideTextOf(instances));
  shots.Take("processes");
}

// Puts the window above the others for a screenshot: journeys run side by
// side on one screen.
void Raise(HWND main) {
  SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Network Usage armed on the Wi-Fi adapter of a quiet machine, which is
// switched off from the 10th snapshot of the replay to the 70th. While it is
// missing the status and the graph say so and the quiet minute does not
// count: a minute after arming (about the 65th snapshot at most) it would
// have fallen due, but it still waits. When the adapter is back the watch
// goes on and falls due a quiet minute later.
void AdapterGone(const std::string& exe, Screenshots& shots) {
  using Clock = std::chrono::steady_clock;
  const std::string wifi = "Intel[R] Wi-Fi 6 AX201 160MHz";
  const std::string missing =
      "Network interface \"" + wifi + "\" is missing. Network Usage waits for it.";
  auto watching = [](const std::string& s) {
    return StartsWith(s, "Network usage under 10 KBytes for ");
  };
  App app(exe, "ACTION=SHUTDOWN /testonly");
  HWND main = ReadyMain(app, 3);
  Click(main, "Network Usage");
  HWND adapters = ChildOfClass(main, "ComboBox");
  Check(adapters != nullptr, "the adapter list is shown");
  Choose(main, adapters, wifi);
  HWND minutes = ChildOfClass(main, "Edit", 1);
  Check(minutes != nullptr, "Network Usage page shows its edits");
  SendMessageA(minutes, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1"));
  Click(main, "Start!");
  Check(WaitStatus(main, watching, 5s), "armed");
  const auto armed = Clock::now();
  Raise(main);
  shots.Take("armed");

  Check(WaitStatus(
            main, [&](const std::string& s) { return s == missing; }, 40s),
        "the status says the adapter is missing");
  Check(WideTextOf(adapters) == wifi, "the choice is kept while missing: " + WideTextOf(adapters));
  Raise(main);
  shots.Take("missing");
  // Past the minute that would have been quiet: still waiting, not due.
  std::this_thread::sleep_until(armed + 62s);
  Check(app.TopLevel("HaltwiseConfirm") == nullptr, "no confirmation while the adapter is missing");
  const std::string waiting = Status(main);
  Check(waiting == missing, "still waiting a minute after arming: " + waiting);

  Check(WaitStatus(main, watching, 60s), "the adapter is back and the watch goes on");
  const auto back = Clock::now();
  Check(WideTextOf(adapters) == wifi, "the adapter is still chosen: " + WideTextOf(adapters));
  Raise(main);
  shots.Take("back");
  HWND confirm = WaitFor([&] { return app.TopLevel("HaltwiseConfirm"); }, 75s);
  Check(confirm != nullptr, "a quiet minute after the adapter came back the watch falls due");
  const auto after = std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - back);
  Check(after >= 55s,
        "due a minute after the adapter came back: " + std::to_string(after.count()) + " s");
  shots.Take("due");
  AcceptTestShutdown(app, "message box");
}

// The arguments in UTF-8: the program's path may hold any letter.
std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 0; wide && i < count; ++i) arguments.push_back(haltwise::Narrow(wide[i]));
  LocalFree(wide);
  return arguments;
}

}  // namespace

int main() {
  const std::vector<std::string> argv = Arguments();
  if (argv.size() != 4) {
    std::fprintf(stderr,
                 "usage: haltwise_e2e_driver <journey> <Haltwise.exe> <screenshot folder>\n");
    return 2;
  }
  // Coordinates and screenshots in real pixels at every display scale.
  SetProcessDPIAware();
  const std::string journey = argv[1], exe = argv[2];
  Screenshots shots(argv[3], journey);
  using Journey = std::function<void(const std::string& exe, Screenshots& shots)>;
  const std::map<std::string, Journey> journeys = {
      {"startup", Startup},
      {"countdown", [](const std::string& e, Screenshots& s) { CountDown(e, s, false); }},
      {"cancel", [](const std::string& e, Screenshots& s) { CountDown(e, s, true); }},
      {"disk", Disk},
      {"adapter-gone", AdapterGone},
      {"balloon", Balloon},
      {"tray", Tray},
      {"session", Session},
      {"badskin", BadSkin},
      {"rehearsal", Rehearsal},
      {"unicode", Unicode},
      {"scale96", [](const std::string& e, Screenshots& s) { Scaled(e, s, 96); }},
      {"scale144", [](const std::string& e, Screenshots& s) { Scaled(e, s, 144); }},
      {"scale192", [](const std::string& e, Screenshots& s) { Scaled(e, s, 192); }},
      {"later", Snooze},
      {"heads-up", Warning},
      {"confirm-keys", ConfirmKeys},
  };
  const auto found = journeys.find(journey);
  if (found == journeys.end()) {
    std::fprintf(stderr, "unknown journey %s\n", journey.c_str());
    return 2;
  }
  shootFailure = [&shots] { shots.Take("failed"); };
  try {
    found->second(exe, shots);
  } catch (const Failure&) {
    return 1;
  }
  std::printf("journey %s passed\n", journey.c_str());
  return 0;
}
