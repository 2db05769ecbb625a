#pragma once
#include <string>

#include "controls/lcd_screen.h"
#include "platform/color.h"

namespace haltwise {

class TLogGraph;

// The main window's stored settings of its LCD panel: 140 x 26 pixels,
// 47 x 9 dots of 2 x 2 pixels, "Small Fonts" -9 in $009900, showing
// "00:00:00:00".
void ApplyMainWindowLcdSettings(TLCDScreen& lcd);

// The stored settings shared by the main window's four history graphs
// (92 x 49 pixels, 30 values of 0 to 100); they differ only in bar colour
// and unit text.
void ApplyMainWindowGraphSettings(TLogGraph& graph, Color colorFg, const std::string& afterString);

}  // namespace haltwise
