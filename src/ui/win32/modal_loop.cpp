#include "ui/win32/modal_loop.h"

namespace haltwise {

void RunModalLoop(HWND dialog, HWND owner, const std::function<bool()>& done,
                  const std::function<void()>& onQuit) {
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(dialog, SW_SHOW);
  SetForegroundWindow(dialog);
  MSG msg;
  while (!done()) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      onQuit();
      PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 0);
      break;
    }
    if (!IsDialogMessageA(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  // Enable the owner before the dialog goes, so the focus returns to it.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  ShowWindow(dialog, SW_HIDE);
  if (owner && IsWindowVisible(owner)) SetActiveWindow(owner);
}

POINT CentredOnScreen(int width, int height) {
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left + (work.right - work.left - width) / 2,
          work.top + (work.bottom - work.top - height) / 2};
}

}  // namespace haltwise
