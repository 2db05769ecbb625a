// The display windows of an armed watch, as the main window shows them:
// once they have painted, a watch's every second creates no DIB section
// and no DC, and a hidden window composes nothing.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "controls/lcd_screen.h"
#include "controls/log_graph.h"
#include "controls/main_window_displays.h"
#include "platform/win32/gdi_font_rasteriser.h"
#include "platform/win32/gdi_system_colors.h"
#include "ui/win32/display_window.h"
#include "ui/win32/status_strip.h"
#include "widgets/content_scroller.h"

namespace haltwise {
namespace {

void Pump(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

struct Displays : ::testing::Test {
  GdiFontRasteriser fonts;
  GdiSystemColors colors;
  TLCDScreen lcd{fonts, colors};
  TLogGraph graph{fonts, colors, "lgCPU"};
  Control label{"lblStatusBar"};
  ContentScroller scroller{"JvContentScroller", 27};
  HWND parent = nullptr;
  std::unique_ptr<DisplayWindow> lcdWindow, graphWindow;
  std::unique_ptr<StatusStrip> status;

  void SetUp() override {
    ApplyMainWindowLcdSettings(lcd);
    ApplyMainWindowGraphSettings(graph, clRed, "%");
    parent = CreateWindowExA(0, "STATIC", "Displays", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    lcdWindow = std::make_unique<DisplayWindow>(
        lcd, [this] { return lcd.Lines().front(); }, nullptr);
    lcdWindow->Create(parent, {10, 10, 150, 36});
    graphWindow = std::make_unique<DisplayWindow>(graph, nullptr, nullptr);
    graphWindow->Create(parent, {10, 50, 102, 99});
    status = std::make_unique<StatusStrip>(label, scroller, fonts, colors);
    status->Create(parent, {10, 120, 300, 147}, DpiScale());
  }
  void TearDown() override {
    status.reset();
    graphWindow.reset();
    lcdWindow.reset();
    DestroyWindow(parent);
  }
  // One second of an armed count-down.
  void Second(int left) {
    char text[16];
    std::snprintf(text, sizeof(text), "00:00:%02d:%02d", left / 60, left % 60);
    lcd.SetLines({text});
    graph.AddValue(left % 100);
    label.SetCaption(std::string("Shutdown will ocurr in ") + text);
    Pump(parent);
  }
};

TEST_F(Displays, AnArmedWatchCreatesNoDibSectionsOrDcsOnceShown) {
  Second(600);
  const DibSurface::Created before = DibSurface::CreatedSoFar();
  for (int left = 599; left > 540; --left) Second(left);
  const DibSurface::Created after = DibSurface::CreatedSoFar();
  EXPECT_EQ(after.dibSections - before.dibSections, 0u);
  EXPECT_EQ(after.dcs - before.dcs, 0u);
}

TEST_F(Displays, AHiddenWindowComposesNothing) {
  Second(600);
  const Bitmap32 shown = lcd.Surface();
  ShowWindow(parent, SW_HIDE);
  lcdWindow->SetShown(false);
  graphWindow->SetShown(false);
  for (int left = 599; left > 590; --left) Second(left);
  EXPECT_EQ(lcd.Surface(), shown);
  lcdWindow->SetShown(true);
  ShowWindow(parent, SW_SHOW);
  Pump(parent);
  EXPECT_NE(lcd.Surface(), shown);  // the latest time, once shown again
}

}  // namespace
}  // namespace haltwise
