#pragma once
#include <string>
#include <vector>

#include "platform/fake/fake_seam.h"
#include "platform/security.h"

namespace haltwise::fake {

// Token and privilege calls on a process whose user SID is settable; every
// call can be failed through FailCall with its Windows name.
class FakeSecurity : public Security, public FakeSeam {
 public:
  // S-1-5-21-1004336348-1177238915-682003330-1001, a local account as
  // Windows numbers it.
  std::vector<std::uint8_t> userSid = {1,    5,    0,    0,    0,    0,    0,    5,    21,   0,
                                       0,    0,    0xDC, 0x2C, 0xDD, 0x3B, 0x83, 0x5B, 0x2B, 0x46,
                                       0x82, 0x5E, 0xA6, 0x28, 0xE9, 0x03, 0,    0};
  // Windows may accept AdjustTokenPrivileges without granting anything;
  // a test can record what was enabled.
  std::vector<std::string> enabledPrivileges;
  int OpenTokenCount() const { return static_cast<int>(openTokens_.size()); }

  bool OpenProcessToken(std::uint32_t access, TokenHandle* token) override;
  bool LookupPrivilegeValue(const std::string& name, Luid* luid) override;
  bool AdjustTokenPrivileges(TokenHandle token, const Luid& luid,
                             std::uint32_t attributes) override;
  bool GetTokenInformation(TokenHandle token, std::uint32_t informationClass, void* buffer,
                           std::uint32_t length, std::uint32_t* returnLength) override;
  bool CloseHandle(TokenHandle handle) override;
  long LastError() const override { return lastError_; }

 private:
  bool Fail(long error) {
    lastError_ = error;
    return false;
  }
  bool IsOpen(TokenHandle token) const;

  long lastError_ = 0;
  TokenHandle nextToken_ = 0x7000;
  std::vector<TokenHandle> openTokens_;
  std::vector<std::string> privilegeNames_;
};

}  // namespace haltwise::fake
