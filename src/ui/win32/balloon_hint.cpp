#include "ui/win32/balloon_hint.h"

#include <commctrl.h>

#include "platform/win32/wide_text.h"
namespace haltwise {

namespace {

constexpr UINT_PTR kToolId = 1;
constexpr UINT_PTR kHideTimer = 0x4842;
constexpr int kMaxWidth = 300;

TOOLINFOW ToolOf(HWND owner) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = owner;
  tool.uId = kToolId;
  return tool;
}

}  // namespace

BalloonHint::BalloonHint(HWND owner) : owner_(owner) {
  tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                         WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
  if (!tip_) return;
  TOOLINFOW tool = ToolOf(owner);
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.lpszText = const_cast<wchar_t*>(L"");
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, kMaxWidth);
}

void BalloonHint::SetScale(DpiScale scale) {
  if (tip_) SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, scale(kMaxWidth));
}

BalloonHint::~BalloonHint() {
  if (tip_) DestroyWindow(tip_);
}

void BalloonHint::Show(HWND anchor, const std::string& text, const std::string& title,
                       int milliseconds) {
  if (!tip_) return;
  Hide();
  text_ = Widen(text);
  TOOLINFOW tool = ToolOf(owner_);
  tool.lpszText = text_.data();
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tip_, TTM_SETTITLEW, title.empty() ? TTI_NONE : TTI_INFO,
               reinterpret_cast<LPARAM>(Widen(title).c_str()));
  RECT r{};
  GetWindowRect(anchor ? anchor : owner_, &r);
  SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM((r.left + r.right) / 2, r.bottom - 4));
  SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  SetWindowTextW(tip_, text_.c_str());
  SetTimer(tip_, kHideTimer, static_cast<UINT>(milliseconds), &BalloonHint::HideLater);
}

void BalloonHint::Hide() {
  if (!tip_) return;
  KillTimer(tip_, kHideTimer);
  TOOLINFOW tool = ToolOf(owner_);
  SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void CALLBACK BalloonHint::HideLater(HWND tip, UINT, UINT_PTR, DWORD) {
  KillTimer(tip, kHideTimer);
  TOOLINFOW tool = ToolOf(GetWindow(tip, GW_OWNER));
  SendMessageW(tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace haltwise
