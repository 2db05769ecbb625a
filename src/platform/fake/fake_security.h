#pragma once
#include <string>
#include <vector>

#include "platform/fake/fake_seam.h"
#include "platform/security.h"

namespace haltwise::fake {

// Token and account calls. The user name and the SID are settable; every
// call can be failed through FailCall with its Windows name.
class FakeSecurity : public Security, public FakeSeam {
 public:
  std::string userName = "tester";
  std::vector<std::uint8_t> userSid = {1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0};
  std::string domain = "HALTWISE-PC";
  // Windows may accept AdjustTokenPrivileges without granting anything;
  // a test can record what was enabled.
  std::vector<std::string> enabledPrivileges;
  int OpenTokenCount() const { return openTokens_; }

  bool OpenProcessToken(std::uint32_t access, TokenHandle* token) override;
  bool LookupPrivilegeValue(const std::string& name, Luid* luid) override;
  bool AdjustTokenPrivileges(TokenHandle token, const Luid& luid,
                             std::uint32_t attributes) override;
  bool CloseHandle(TokenHandle handle) override;
  bool GetUserName(char* buffer, std::uint32_t* size) override;
  bool LookupAccountName(const std::string& accountName, std::uint8_t* sid,
                         std::uint32_t* sidSize, char* domainBuffer,
                         std::uint32_t* domainSize) override;
  long LastError() const override { return lastError_; }

 private:
  bool Fail(long error) {
    lastError_ = error;
    return false;
  }
  long lastError_ = 0;
  int openTokens_ = 0;
  std::vector<std::string> privilegeNames_;
};

}  // namespace haltwise::fake
