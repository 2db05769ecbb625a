#include "platform/fake/fake_security.h"

#include <algorithm>
#include <cstring>

#include "platform/win_constants.h"

namespace haltwise::fake {

bool FakeSecurity::OpenProcessToken(std::uint32_t access, TokenHandle* token) {
  if (auto error = Enter("OpenProcessToken", "access=" + std::to_string(access))) {
    return Fail(*error);
  }
  ++openTokens_;
  *token = 0x7000 + static_cast<TokenHandle>(openTokens_);
  return true;
}

bool FakeSecurity::LookupPrivilegeValue(const std::string& name, Luid* luid) {
  if (auto error = Enter("LookupPrivilegeValue", name)) return Fail(*error);
  auto it = std::find(privilegeNames_.begin(), privilegeNames_.end(), name);
  if (it == privilegeNames_.end()) it = privilegeNames_.insert(privilegeNames_.end(), name);
  luid->lowPart = static_cast<std::uint32_t>(19 + (it - privilegeNames_.begin()));
  luid->highPart = 0;
  return true;
}

bool FakeSecurity::AdjustTokenPrivileges(TokenHandle token, const Luid& luid,
                                         std::uint32_t attributes) {
  if (auto error = Enter("AdjustTokenPrivileges", std::to_string(token) + " luid=" +
                                                      std::to_string(luid.lowPart) + " attributes=" +
                                                      std::to_string(attributes))) {
    return Fail(*error);
  }
  const std::size_t index = luid.lowPart - 19;
  if (index < privilegeNames_.size()) enabledPrivileges.push_back(privilegeNames_[index]);
  return true;
}

bool FakeSecurity::CloseHandle(TokenHandle handle) {
  if (auto error = Enter("CloseHandle", std::to_string(handle))) return Fail(*error);
  --openTokens_;
  return true;
}

bool FakeSecurity::GetUserName(char* buffer, std::uint32_t* size) {
  if (auto error = Enter("GetUserName", "size=" + std::to_string(*size))) return Fail(*error);
  const auto needed = static_cast<std::uint32_t>(userName.size() + 1);
  if (*size < needed) {
    *size = needed;
    return Fail(win::kErrorInsufficientBuffer);
  }
  std::memcpy(buffer, userName.c_str(), needed);
  *size = needed;
  return true;
}

bool FakeSecurity::LookupAccountName(const std::string& accountName, std::uint8_t* sid,
                                     std::uint32_t* sidSize, char* domainBuffer,
                                     std::uint32_t* domainSize) {
  if (auto error = Enter("LookupAccountName", accountName + " sid=" + std::to_string(*sidSize) +
                                                  " domain=" + std::to_string(*domainSize))) {
    return Fail(*error);
  }
  if (accountName != userName) return Fail(win::kErrorNoneMapped);
  const auto neededSid = static_cast<std::uint32_t>(userSid.size());
  const auto neededDomain = static_cast<std::uint32_t>(domain.size() + 1);
  if (*sidSize < neededSid || *domainSize < neededDomain) {
    *sidSize = neededSid;
    *domainSize = neededDomain;
    return Fail(win::kErrorInsufficientBuffer);
  }
  std::memcpy(sid, userSid.data(), userSid.size());
  std::memcpy(domainBuffer, domain.c_str(), neededDomain);
  *sidSize = neededSid;
  *domainSize = neededDomain - 1;
  return true;
}

}  // namespace haltwise::fake
