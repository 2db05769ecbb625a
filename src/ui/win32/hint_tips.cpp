#include "ui/win32/hint_tips.h"

#include <commctrl.h>

#include "platform/win32/wide_text.h"

namespace haltwise {

HintTips::HintTips(HWND owner) : owner_(owner) {
  tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                         WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
  if (tip_) SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, 320);
}

HintTips::~HintTips() {
  if (tip_) DestroyWindow(tip_);
}

void HintTips::SetHint(HWND control, const std::string& hint) {
  if (!tip_) return;
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  SendMessageW(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (hint.empty()) return;
  // The tooltip keeps its own copy of the text.
  std::wstring text = Widen(hint);
  tool.lpszText = text.data();
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace haltwise
