#include "ui/win32/hint_tips.h"

#include <commctrl.h>

namespace haltwise {

HintTips::HintTips(HWND owner) : owner_(owner) {
  tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                         WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
  if (tip_) SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, 320);
}

HintTips::~HintTips() {
  if (tip_) DestroyWindow(tip_);
}

void HintTips::SetHint(HWND control, const std::string& hint) {
  if (!tip_) return;
  TOOLINFOA tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  SendMessageA(tip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (hint.empty()) return;
  tool.lpszText = const_cast<char*>(hint.c_str());
  SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace haltwise
