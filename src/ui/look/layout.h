#pragma once
#include "gfx/geometry.h"

// Where the main window's controls sit, in client pixels. The pictures are
// drawn around these places and the Win32 layer puts its controls on them,
// so both read the one table.
namespace haltwise::layout {

constexpr Rect Place(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

inline constexpr int kFormWidth = 631;
inline constexpr int kFormHeight = 436;

inline constexpr Rect kTitle = Place(142, 14, 347, 14);
inline constexpr Rect kHelp = Place(513, 14, 15, 14);
inline constexpr Rect kHide = Place(530, 14, 15, 14);
inline constexpr Rect kClose = Place(548, 14, 16, 14);

// The mode buttons fill the group in two columns and three rows, one pixel
// apart; the bottom row is 32 high so the group ends at its 100th row.
inline constexpr Rect kModeGroup = Place(85, 63, 217, 100);
inline constexpr int kModeButtonWidth = 108;
inline constexpr int kModeButtonHeight = 33;
constexpr Rect ModeButton(int index) {
  const int column = index % 2, row = index / 2;
  return Place(kModeGroup.left + column * (kModeButtonWidth + 1),
               kModeGroup.top + row * (kModeButtonHeight + 1), kModeButtonWidth,
               row == 2 ? kModeButtonHeight - 1 : kModeButtonHeight);
}

inline constexpr Rect kPages = Place(75, 203, 235, 164);

// Logoff, Reboot, Shutdown, Suspend, Hibernate, Force.
inline constexpr int kToggleTops[6] = {61, 78, 96, 113, 131, 153};
constexpr Rect Toggle(int index) { return Place(368, kToggleTops[index], 177, 18); }

inline constexpr Rect kLcd = Place(343, 186, 140, 26);
inline constexpr Rect kStart = Place(496, 177, 51, 41);

inline constexpr Rect kGraphCpu = Place(347, 232, 92, 49);
inline constexpr Rect kGraphNet = Place(462, 232, 92, 49);
inline constexpr Rect kGraphDisk = Place(346, 311, 92, 49);
inline constexpr Rect kGraphCustom = Place(465, 311, 92, 49);
// A graph's caption sits right below it.
constexpr Rect GraphCaption(const Rect& graph) {
  return {graph.left - 10, graph.bottom + 2, graph.right + 10, graph.bottom + 16};
}

inline constexpr Rect kStatus = Place(59, 391, 514, 27);

}  // namespace haltwise::layout
