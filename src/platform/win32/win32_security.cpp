#include "platform/win32/win32_security.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace haltwise {
namespace {

HANDLE ToHandle(TokenHandle handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

bool Win32Security::OpenProcessToken(std::uint32_t access, TokenHandle* token) {
  HANDLE opened = nullptr;
  const bool ok =
      lastError_.Track(::OpenProcessToken(GetCurrentProcess(), access, &opened) != FALSE);
  if (ok) *token = reinterpret_cast<TokenHandle>(opened);
  return ok;
}

bool Win32Security::LookupPrivilegeValue(const std::string& name, Luid* luid) {
  LUID found{};
  const bool ok =
      lastError_.Track(LookupPrivilegeValueW(nullptr, Widen(name).c_str(), &found) != FALSE);
  if (ok) {
    luid->lowPart = found.LowPart;
    luid->highPart = found.HighPart;
  }
  return ok;
}

bool Win32Security::AdjustTokenPrivileges(TokenHandle token, const Luid& luid,
                                          std::uint32_t attributes) {
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Luid.LowPart = luid.lowPart;
  privileges.Privileges[0].Luid.HighPart = luid.highPart;
  privileges.Privileges[0].Attributes = attributes;
  static_assert(sizeof privileges == 16, "one privilege makes a 16-byte new state");
  return lastError_.Track(::AdjustTokenPrivileges(ToHandle(token), FALSE, &privileges,
                                                  sizeof privileges, nullptr, nullptr) != FALSE);
}

bool Win32Security::CloseHandle(TokenHandle handle) {
  return lastError_.Track(::CloseHandle(ToHandle(handle)) != FALSE);
}

bool Win32Security::GetTokenInformation(TokenHandle token, std::uint32_t informationClass,
                                        void* buffer, std::uint32_t length,
                                        std::uint32_t* returnLength) {
  DWORD written = 0;
  const bool ok = lastError_.Track(
      ::GetTokenInformation(ToHandle(token), static_cast<TOKEN_INFORMATION_CLASS>(informationClass),
                            buffer, length, &written) != FALSE);
  *returnLength = written;
  return ok;
}

}  // namespace haltwise
