#include "ui/win32/child_controls.h"

// After <windows.h>:
#include <commctrl.h>

#include "platform/error.h"
#include "platform/win32/wide_text.h"

namespace haltwise {

HWND ChildControls::Add(const std::string& name, const wchar_t* windowClass,
                        const std::string& text, DWORD style, const Rect& place,
                        ChildHandlers handlers, DWORD exStyle) {
  const int id = nextId_++;
  const Rect shown = fonts_->Scale()(place);
  HWND window = CreateWindowExW(exStyle, windowClass, Widen(text).c_str(), WS_CHILD | style,
                                shown.left, shown.top, shown.Width(), shown.Height(), parent_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) throw Error("Unable to create the control " + name);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->Get(role_)), FALSE);
  entries_.push_back({name, window, place, role_, std::move(handlers)});
  return window;
}

void ChildControls::AttachArrows(HWND edit, HWND arrows) {
  for (Entry& entry : entries_) {
    if (entry.window == edit) entry.arrows = arrows;
  }
}

void ChildControls::Relayout() {
  const DpiScale scale = fonts_->Scale();
  for (const Entry& entry : entries_) {
    const Rect shown = scale(entry.place);
    SetWindowPos(entry.window, nullptr, shown.left, shown.top, shown.Width(), shown.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(entry.window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->Get(entry.role)), TRUE);
    // The arrows take their place from their edit when it is set again.
    if (entry.arrows) {
      SendMessageW(entry.arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(entry.window), 0);
    }
  }
}

HWND ChildControls::Find(const std::string& name) const {
  for (const Entry& entry : entries_) {
    if (entry.name == name) return entry.window;
  }
  return nullptr;
}

const ChildControls::Entry* ChildControls::ById(int id) const {
  for (const Entry& entry : entries_) {
    if (GetDlgCtrlID(entry.window) == id) return &entry;
  }
  return nullptr;
}

bool ChildControls::Command(WPARAM wParam, LPARAM lParam) {
  if (lParam == 0) return false;  // menus and accelerators
  const Entry* entry = ById(LOWORD(wParam));
  if (!entry || !entry->handlers.command) return false;
  entry->handlers.command(HIWORD(wParam));
  return true;
}

bool ChildControls::Notify(LPARAM lParam, LRESULT* result) {
  const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
  const Entry* entry = ById(static_cast<int>(header.idFrom));
  if (!entry || !entry->handlers.notify) return false;
  *result = entry->handlers.notify(header);
  return true;
}

bool ChildControls::Draw(LPARAM lParam) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  const Entry* entry = ById(static_cast<int>(item.CtlID));
  if (!entry || !entry->handlers.draw) return false;
  entry->handlers.draw(item);
  return true;
}

bool ChildControls::Color(WPARAM dc, LPARAM child, LRESULT* result) {
  for (const Entry& entry : entries_) {
    if (entry.window == reinterpret_cast<HWND>(child) && entry.handlers.color) {
      *result = reinterpret_cast<LRESULT>(entry.handlers.color(reinterpret_cast<HDC>(dc)));
      return true;
    }
  }
  return false;
}

HBRUSH BrushCache::Get(Color resolved) {
  auto it = brushes_.find(resolved);
  if (it == brushes_.end()) {
    it = brushes_.emplace(resolved, UniqueBrush(CreateSolidBrush(ToColorRef(resolved)))).first;
  }
  return it->second.Get();
}

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return Narrow(text);
}

void SetWindowTextIfChanged(HWND window, const std::string& text) {
  if (WindowText(window) != text) SetWindowTextW(window, Widen(text).c_str());
}

COLORREF ToColorRef(Color resolved) { return static_cast<COLORREF>(resolved & 0xFFFFFF); }

}  // namespace haltwise
