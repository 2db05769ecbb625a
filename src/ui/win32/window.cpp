#include "ui/win32/window.h"

#include "platform/error.h"
#include "platform/win32/system_message.h"
#include "platform/win32/wide_text.h"

namespace haltwise {

Window::~Window() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void Window::RegisterWindowClass(const wchar_t* className, HBRUSH background, HICON icon) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &Window::Procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.hIcon = icon;
  wc.hIconSm = icon;
  wc.lpszClassName = className;
  if (!RegisterClassExW(&wc)) {
    throw Error("Unable to register the window class " + Narrow(className) + ": " +
                FormatSystemMessage(static_cast<long>(GetLastError())));
  }
}

void Window::Create(DWORD exStyle, const wchar_t* className, const std::string& title, DWORD style,
                    int x, int y, int width, int height, HWND parent, int id) {
  HMENU menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  CreateWindowExW(exStyle, className, Widen(title).c_str(), style, x, y, width, height, parent,
                  menu, GetModuleHandleW(nullptr), this);
  if (!hwnd_) {
    throw Error("Unable to create the window " + title + ": " +
                FormatSystemMessage(static_cast<long>(GetLastError())));
  }
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = static_cast<Window*>(create->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    self->hwnd_ = nullptr;
    return result;
  }
  // An error escaping a handler is shown and the program goes on.
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (const Error& error) {
    ShowErrorMessage(hwnd, error.Message());
  } catch (const std::exception& error) {
    ShowErrorMessage(hwnd, error.what());
  }
  return 0;
}

void ShowErrorMessage(HWND owner, const std::string& text) {
  MessageBoxW(owner, Widen(text).c_str(), L"Haltwise", MB_OK | MB_ICONERROR);
}

}  // namespace haltwise
