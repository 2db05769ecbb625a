#pragma once
#include <functional>

#include "platform/win32/windows_api.h"

namespace haltwise {

// Shows `dialog` modally: the owner accepts no input while a nested message
// loop runs until `done` is true. Every window's timers keep firing inside
// it. A WM_QUIT arriving meanwhile calls `onQuit`, ends the loop and is
// posted again for the outer loop.
void RunModalLoop(HWND dialog, HWND owner, const std::function<bool()>& done,
                  const std::function<void()>& onQuit);

}  // namespace haltwise
