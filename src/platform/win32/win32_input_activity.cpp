#include "platform/win32/win32_input_activity.h"

#include "platform/win32/windows_api.h"

namespace haltwise {

bool Win32InputActivity::GetLastInputInfo(std::uint32_t* lastInputTick) {
  LASTINPUTINFO info{};
  info.cbSize = sizeof info;
  if (!::GetLastInputInfo(&info)) {
    lastError_ = static_cast<long>(::GetLastError());
    return false;
  }
  *lastInputTick = info.dwTime;
  return true;
}

}  // namespace haltwise
