#include "ui/win32/balloon_hint.h"

#include <commctrl.h>

namespace haltwise {

namespace {

constexpr UINT_PTR kToolId = 1;
constexpr UINT_PTR kHideTimer = 0x4842;
constexpr int kMaxWidth = 300;

TOOLINFOA ToolOf(HWND owner) {
  TOOLINFOA tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = owner;
  tool.uId = kToolId;
  return tool;
}

}  // namespace

BalloonHint::BalloonHint(HWND owner) : owner_(owner) {
  tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                         WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
  if (!tip_) return;
  TOOLINFOA tool = ToolOf(owner);
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.lpszText = const_cast<char*>("");
  SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, kMaxWidth);
}

void BalloonHint::SetScale(DpiScale scale) {
  if (tip_) SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, scale(kMaxWidth));
}

BalloonHint::~BalloonHint() {
  if (tip_) DestroyWindow(tip_);
}

void BalloonHint::Show(HWND anchor, const std::string& text, const std::string& title,
                       int milliseconds) {
  if (!tip_) return;
  Hide();
  text_ = text;
  TOOLINFOA tool = ToolOf(owner_);
  tool.lpszText = text_.data();
  SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(tip_, TTM_SETTITLEA, title.empty() ? TTI_NONE : TTI_INFO,
               reinterpret_cast<LPARAM>(title.c_str()));
  RECT r{};
  GetWindowRect(anchor ? anchor : owner_, &r);
  SendMessageA(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM((r.left + r.right) / 2, r.bottom - 4));
  SendMessageA(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  SetWindowTextA(tip_, text_.c_str());
  SetTimer(tip_, kHideTimer, static_cast<UINT>(milliseconds), &BalloonHint::HideLater);
}

void BalloonHint::Hide() {
  if (!tip_) return;
  KillTimer(tip_, kHideTimer);
  TOOLINFOA tool = ToolOf(owner_);
  SendMessageA(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void CALLBACK BalloonHint::HideLater(HWND tip, UINT, UINT_PTR, DWORD) {
  KillTimer(tip, kHideTimer);
  TOOLINFOA tool = ToolOf(GetWindow(tip, GW_OWNER));
  SendMessageA(tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace haltwise
