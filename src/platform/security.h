#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace haltwise {

using TokenHandle = std::uintptr_t;

// A locally unique identifier, as LookupPrivilegeValueA returns it.
struct Luid {
  std::uint32_t lowPart = 0;
  std::int32_t highPart = 0;
};

// Token, privilege and account calls. BOOL results are bools; after a
// failure LastError() gives the code that GetLastError would give.
class Security {
 public:
  virtual ~Security() = default;

  // OpenProcessToken(GetCurrentProcess(), access, token).
  virtual bool OpenProcessToken(std::uint32_t access, TokenHandle* token) = 0;
  // LookupPrivilegeValueA with no system name (this computer).
  virtual bool LookupPrivilegeValue(const std::string& name, Luid* luid) = 0;
  // AdjustTokenPrivileges with one privilege, not disabling all, no
  // previous state.
  virtual bool AdjustTokenPrivileges(TokenHandle token, const Luid& luid,
                                     std::uint32_t attributes) = 0;
  virtual bool CloseHandle(TokenHandle handle) = 0;
  // GetUserNameA: `*size` is the buffer size in characters including the
  // terminator; on ERROR_INSUFFICIENT_BUFFER it receives the size needed.
  virtual bool GetUserName(char* buffer, std::uint32_t* size) = 0;
  // LookupAccountNameA on the local system; on ERROR_INSUFFICIENT_BUFFER the
  // two sizes receive what is needed.
  virtual bool LookupAccountName(const std::string& accountName,
                                 std::uint8_t* sid, std::uint32_t* sidSize,
                                 char* domain, std::uint32_t* domainSize) = 0;
  virtual long LastError() const = 0;
};

}  // namespace haltwise
