#pragma once
#include "platform/security.h"
#include "platform/win32/last_error.h"

namespace haltwise {

// Token and privilege calls of advapi32 on the current process.
// LastError() is GetLastError() captured right after the call that failed.
class Win32Security : public Security {
 public:
  bool OpenProcessToken(std::uint32_t access, TokenHandle* token) override;
  bool LookupPrivilegeValue(const std::string& name, Luid* luid) override;
  bool AdjustTokenPrivileges(TokenHandle token, const Luid& luid,
                             std::uint32_t attributes) override;
  bool GetTokenInformation(TokenHandle token, std::uint32_t informationClass, void* buffer,
                           std::uint32_t length, std::uint32_t* returnLength) override;
  bool CloseHandle(TokenHandle handle) override;
  long LastError() const override { return lastError_.Get(); }

 private:
  LastErrorKeeper lastError_;
};

}  // namespace haltwise
