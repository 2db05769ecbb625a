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
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      onQuit();
      PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 0);
      break;
    }
    if (!IsDialogMessageW(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // Enable the owner before the dialog goes, so the focus returns to it.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  ShowWindow(dialog, SW_HIDE);
  if (owner && IsWindowVisible(owner)) SetActiveWindow(owner);
}

}  // namespace haltwise
