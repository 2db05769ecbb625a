#pragma once
#include <cstdint>
#include <string>

namespace haltwise {

using TokenHandle = std::uintptr_t;

// A locally unique identifier, as LookupPrivilegeValue returns it.
struct Luid {
  std::uint32_t lowPart = 0;
  std::int32_t highPart = 0;
};

// Token and privilege calls on the current process. BOOL results are bools;
// after a failure LastError() gives the code that GetLastError would give.
class Security {
 public:
  virtual ~Security() = default;

  // OpenProcessToken(GetCurrentProcess(), access, token).
  virtual bool OpenProcessToken(std::uint32_t access, TokenHandle* token) = 0;
  // LookupPrivilegeValue with no system name (this computer).
  virtual bool LookupPrivilegeValue(const std::string& name, Luid* luid) = 0;
  // AdjustTokenPrivileges with one privilege, not disabling all, no
  // previous state.
  virtual bool AdjustTokenPrivileges(TokenHandle token, const Luid& luid,
                                     std::uint32_t attributes) = 0;
  // GetTokenInformation: the structure is written into `buffer` as Windows
  // lays it out, pointers into the buffer included. A buffer that is too
  // small fails with ERROR_INSUFFICIENT_BUFFER and `*returnLength` receives
  // the size needed.
  virtual bool GetTokenInformation(TokenHandle token, std::uint32_t informationClass, void* buffer,
                                   std::uint32_t length, std::uint32_t* returnLength) = 0;
  virtual bool CloseHandle(TokenHandle handle) = 0;
  virtual long LastError() const = 0;
};

// Closes a token however the code that opened it is left.
class ScopedToken {
 public:
  explicit ScopedToken(Security& security) : security_(security) {}
  ScopedToken(const ScopedToken&) = delete;
  ScopedToken& operator=(const ScopedToken&) = delete;
  ~ScopedToken() {
    if (handle_ != 0) security_.CloseHandle(handle_);
  }
  TokenHandle* Receive() { return &handle_; }
  TokenHandle Get() const { return handle_; }

 private:
  Security& security_;
  TokenHandle handle_ = 0;
};

}  // namespace haltwise
