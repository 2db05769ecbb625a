#include "platform/win32/win32_power.h"

#include "platform/win32/scoped_module.h"
#include "platform/win32/windows_api.h"

namespace haltwise {
namespace {

using SetSystemPowerStateFn = BOOL(WINAPI*)(BOOL suspend, BOOL force);
using SetSuspendStateFn = BOOLEAN(WINAPI*)(BOOLEAN hibernate, BOOLEAN force,
                                           BOOLEAN wakeupEventsDisabled);

SetSystemPowerStateFn FindSetSystemPowerState() {
  return ProcAddress<SetSystemPowerStateFn>(GetModuleHandleW(L"kernel32.dll"),
                                            "SetSystemPowerState");
}

}  // namespace

bool Win32Power::ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) {
  return lastError_.Track(::ExitWindowsEx(flags, reason) != FALSE);
}

bool Win32Power::SetSystemPowerState(bool suspend, bool force) {
  if (const auto legacy = FindSetSystemPowerState()) {
    return lastError_.Track(legacy(suspend ? TRUE : FALSE, force ? TRUE : FALSE) != FALSE);
  }
  const ScopedModule powrprof(L"powrprof.dll");
  if (const auto modern = ProcAddress<SetSuspendStateFn>(powrprof.Get(), "SetSuspendState")) {
    return lastError_.Track(modern(suspend ? FALSE : TRUE, force ? TRUE : FALSE, FALSE) != FALSE);
  }
  lastError_.Set(ERROR_PROC_NOT_FOUND);
  return false;
}

SuspendRoute Win32Power::FindSuspendRoute() {
  if (FindSetSystemPowerState()) return SuspendRoute::kSetSystemPowerState;
  const ScopedModule powrprof(L"powrprof.dll");
  if (ProcAddress<SetSuspendStateFn>(powrprof.Get(), "SetSuspendState")) {
    return SuspendRoute::kSetSuspendState;
  }
  return SuspendRoute::kNone;
}

}  // namespace haltwise
