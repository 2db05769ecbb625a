#include "ui/look/scaled_layout.h"

#include <algorithm>

#include "ui/look/layout.h"

namespace haltwise::layout {

namespace {
constexpr int kLcdColumns = 47;
constexpr int kLcdRows = 9;
constexpr int kDesignDot = 2;
constexpr int kDesignBarSpacing = 3;

int DotsLength(int count, const LcdDots& dots) {
  return count * dots.dot + (count - 1) * dots.spacing;
}
}  // namespace

std::vector<NamedPlace> MainWindowPlaces() {
  std::vector<NamedPlace> places = {
      {"btnTitle", kTitle}, {"btnHelp", kHelp}, {"btnHide", kHide}, {"btnClose", kClose}};
  const char* modes[] = {"btnIdle", "btnSched", "btnCntDn", "btnNetTr", "btnDiskTr", "btnCustom"};
  for (int i = 0; i < 6; ++i) places.push_back({modes[i], ModeButton(i)});
  const char* toggles[] = {"chkLogOff",  "chkReboot",    "chkShutdown",
                           "chkSuspend", "chkHibernate", "chkForce"};
  for (int i = 0; i < 6; ++i) places.push_back({toggles[i], Toggle(i)});
  places.insert(places.end(), {{"pcConfig", kPages},
                               {"LCD", kLcd},
                               {"btnStart", kStart},
                               {"lgCPU", kGraphCpu},
                               {"lgNet", kGraphNet},
                               {"lgDisk", kGraphDisk},
                               {"lgCustom", kGraphCustom},
                               {"JvContentScroller", kStatus}});
  return places;
}

Rect FormAt(DpiScale scale) { return scale(Rect{0, 0, kFormWidth, kFormHeight}); }

LcdDots LcdDotsAt(DpiScale scale) {
  const int dot = std::max(1, kDesignDot * scale.Dpi() / DpiScale::kDesignDpi);
  return {dot, std::max(1, dot / 2)};
}

Rect LcdAt(DpiScale scale) {
  const Rect box = scale(kLcd);
  const LcdDots dots = LcdDotsAt(scale);
  const int width = DotsLength(kLcdColumns, dots), height = DotsLength(kLcdRows, dots);
  const int left = box.left + (box.Width() - width) / 2;
  const int top = box.top + (box.Height() - height) / 2;
  return {left, top, left + width, top + height};
}

int GraphBarSpacingAt(DpiScale scale) { return std::max(1, scale(kDesignBarSpacing)); }

}  // namespace haltwise::layout
