#pragma once
#include <string>

#include "platform/win32/windows_api.h"

namespace haltwise {

// A window whose messages go to a member function. Every window class of
// the program uses the one procedure below: it takes `this` from the
// creation parameters at WM_NCCREATE and dispatches to HandleMessage.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }

 protected:
  // Registers a class served by this procedure (once per name).
  static void RegisterWindowClass(const wchar_t* className, HBRUSH background,
                                  HICON icon = nullptr);
  // Creates the window; raises Error when the system refuses.
  void Create(DWORD exStyle, const wchar_t* className, const std::string& title, DWORD style, int x,
              int y, int width, int height, HWND parent, int id = 0);
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
};

// The toolkit's default error handling: the error's message in a plain box.
void ShowErrorMessage(HWND owner, const std::string& text);

}  // namespace haltwise
