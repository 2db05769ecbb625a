#pragma once
#include <string>

#include "platform/win32/windows_api.h"

namespace haltwise {

// The hints of a window's controls, shown as balloons when the mouse rests
// on a control.
class HintTips {
 public:
  explicit HintTips(HWND owner);
  HintTips(const HintTips&) = delete;
  HintTips& operator=(const HintTips&) = delete;
  ~HintTips();

  // An empty hint removes the control's tip.
  void SetHint(HWND control, const std::string& hint);

 private:
  HWND owner_;
  HWND tip_ = nullptr;
};

}  // namespace haltwise
