#pragma once
#include <string>

#include "gfx/dpi_scale.h"
#include "platform/win32/windows_api.h"

namespace haltwise {

// A balloon that points at a control for a while: a tracking tooltip with
// the balloon style. Its window text is the text shown, so automation
// tools can read it.
class BalloonHint {
 public:
  explicit BalloonHint(HWND owner);
  BalloonHint(const BalloonHint&) = delete;
  BalloonHint& operator=(const BalloonHint&) = delete;
  ~BalloonHint();

  // Points at the bottom middle of `anchor`; hides after `milliseconds`.
  void Show(HWND anchor, const std::string& text, const std::string& title, int milliseconds);
  void Hide();
  // Lines wrap at a width that grows with the scale.
  void SetScale(DpiScale scale);

 private:
  static void CALLBACK HideLater(HWND tip, UINT, UINT_PTR, DWORD);

  HWND owner_;
  HWND tip_ = nullptr;
  std::wstring text_;
};

}  // namespace haltwise
