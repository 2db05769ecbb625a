#pragma once
#include <string>
#include <vector>

#include "gfx/dpi_scale.h"
#include "gfx/geometry.h"

// The main window's layout at a monitor's scale. The places of layout.h are
// the design at 96 DPI; every place on screen comes from them through one
// DpiScale.
namespace haltwise::layout {

struct NamedPlace {
  std::string name;
  Rect place;
};

// Every control of the window outside the settings pages, by the name of
// its model, at 96 DPI.
std::vector<NamedPlace> MainWindowPlaces();

// The window's client size at a scale.
Rect FormAt(DpiScale scale);

// The LCD keeps its 47 x 9 dots at every scale: dots of 2 x 2 pixels at
// 96 DPI grow with the scale (3 x 3 at 144, 4 x 4 at 192) and the gaps
// with them, rounded down so the panel never outgrows its place.
struct LcdDots {
  int dot = 2;
  int spacing = 1;
  bool operator==(const LcdDots&) const = default;
};
LcdDots LcdDotsAt(DpiScale scale);
// The panel snapped to its dots, centred in its scaled place.
Rect LcdAt(DpiScale scale);

// The history graphs' distance between bars (3 pixels at 96 DPI).
int GraphBarSpacingAt(DpiScale scale);

}  // namespace haltwise::layout
