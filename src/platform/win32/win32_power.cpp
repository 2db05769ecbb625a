#include "platform/win32/win32_power.h"

#include <cstddef>

#include "platform/win32/scoped_module.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace haltwise {
namespace {

using SetSystemPowerStateFn = BOOL(WINAPI*)(BOOL suspend, BOOL force);
using SetSuspendStateFn = BOOLEAN(WINAPI*)(BOOLEAN hibernate, BOOLEAN force,
                                           BOOLEAN wakeupEventsDisabled);

using PowerCreateRequestFn = HANDLE(WINAPI*)(PREASON_CONTEXT context);
using PowerRequestFn = BOOL(WINAPI*)(HANDLE request, POWER_REQUEST_TYPE type);
using GetPwrCapabilitiesFn = BOOLEAN(WINAPI*)(PSYSTEM_POWER_CAPABILITIES capabilities);

template <typename Fn>
Fn Kernel32Proc(const char* name) {
  return ProcAddress<Fn>(GetModuleHandleW(L"kernel32.dll"), name);
}

SetSystemPowerStateFn FindSetSystemPowerState() {
  return Kernel32Proc<SetSystemPowerStateFn>("SetSystemPowerState");
}

HANDLE ToHandle(PowerRequestHandle request) { return reinterpret_cast<HANDLE>(request); }

// The headers of MinGW still call the Modern Standby flag a spare byte.
constexpr std::size_t kAoAcOffset = 0x14;
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, SystemS3) == 5);
static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, FastSystemS4) + 3 == kAoAcOffset);

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

bool Win32Power::GetPwrCapabilities(PowerCapabilities* capabilities) {
  const ScopedModule powrprof(L"powrprof.dll");
  const auto get = ProcAddress<GetPwrCapabilitiesFn>(powrprof.Get(), "GetPwrCapabilities");
  if (!get) {
    lastError_.Set(ERROR_PROC_NOT_FOUND);
    return false;
  }
  SYSTEM_POWER_CAPABILITIES system{};
  if (!lastError_.Track(get(&system) != FALSE)) return false;
  capabilities->systemS3 = system.SystemS3 != FALSE;
  capabilities->hiberFilePresent = system.HiberFilePresent != FALSE;
  capabilities->aoAc = reinterpret_cast<const BYTE*>(&system)[kAoAcOffset] != 0;
  return true;
}

bool Win32Power::BroadcastSystemCommand(std::uint32_t command, std::intptr_t argument) {
  return lastError_.Track(PostMessageW(HWND_BROADCAST, WM_SYSCOMMAND, command, argument) != FALSE);
}

PowerRequestHandle Win32Power::PowerCreateRequest(const std::string& reason) {
  const auto create = Kernel32Proc<PowerCreateRequestFn>("PowerCreateRequest");
  if (!create) {
    lastError_.Set(ERROR_PROC_NOT_FOUND);
    return kInvalidPowerRequest;
  }
  std::wstring text = Widen(reason);
  REASON_CONTEXT context{};
  context.Version = POWER_REQUEST_CONTEXT_VERSION;
  context.Flags = POWER_REQUEST_CONTEXT_SIMPLE_STRING;
  context.Reason.SimpleReasonString = text.data();
  const HANDLE request = create(&context);
  lastError_.Track(request != INVALID_HANDLE_VALUE);
  return reinterpret_cast<PowerRequestHandle>(request);
}

bool Win32Power::PowerSetRequest(PowerRequestHandle request, std::uint32_t type) {
  const auto set = Kernel32Proc<PowerRequestFn>("PowerSetRequest");
  if (!set) {
    lastError_.Set(ERROR_PROC_NOT_FOUND);
    return false;
  }
  return lastError_.Track(set(ToHandle(request), static_cast<POWER_REQUEST_TYPE>(type)) != FALSE);
}

bool Win32Power::PowerClearRequest(PowerRequestHandle request, std::uint32_t type) {
  const auto clear = Kernel32Proc<PowerRequestFn>("PowerClearRequest");
  if (!clear) {
    lastError_.Set(ERROR_PROC_NOT_FOUND);
    return false;
  }
  return lastError_.Track(clear(ToHandle(request), static_cast<POWER_REQUEST_TYPE>(type)) != FALSE);
}

bool Win32Power::CloseHandle(PowerRequestHandle request) {
  return lastError_.Track(::CloseHandle(ToHandle(request)) != FALSE);
}

std::uint32_t Win32Power::SetThreadExecutionState(std::uint32_t flags) {
  const EXECUTION_STATE previous = ::SetThreadExecutionState(flags);
  lastError_.Track(previous != 0);
  return previous;
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
