#pragma once
#include "gfx/dpi_scale.h"
#include "platform/win32/windows_api.h"

namespace haltwise {

// The DPI a window is drawn at: its monitor's under per-monitor awareness.
// Looked up at run time (Windows 10 1607 and later); older systems give
// the screen's DPI.
DpiScale WindowDpi(HWND window);
// The DPI of the monitor a new window will open on (the primary one).
DpiScale ScreenDpi();
// A system metric at a DPI (icon sizes, for instance).
int SystemMetricAt(int index, DpiScale scale);
// Top-left corner that centres a window of this size on the work area of
// the monitor `window` is on (the primary monitor without a window).
POINT CentredOnMonitorOf(HWND window, int width, int height);

}  // namespace haltwise
