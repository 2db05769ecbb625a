#include "platform/fake/fake_security.h"

#include <algorithm>
#include <cstring>

#include "platform/win_constants.h"

namespace haltwise::fake {

bool FakeSecurity::IsOpen(TokenHandle token) const {
  return std::find(openTokens_.begin(), openTokens_.end(), token) != openTokens_.end();
}

bool FakeSecurity::OpenProcessToken(std::uint32_t access, TokenHandle* token) {
  if (auto error = Enter("OpenProcessToken", "access=" + std::to_string(access))) {
    return Fail(*error);
  }
  nextToken_ += 4;  // kernel handles are multiples of four
  openTokens_.push_back(nextToken_);
  *token = nextToken_;
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
  if (auto error = Enter("AdjustTokenPrivileges",
                         std::to_string(token) + " luid=" + std::to_string(luid.lowPart) +
                             " attributes=" + std::to_string(attributes))) {
    return Fail(*error);
  }
  if (!IsOpen(token)) return Fail(win::kErrorInvalidHandle);
  const std::size_t index = luid.lowPart - 19;
  if (index < privilegeNames_.size()) enabledPrivileges.push_back(privilegeNames_[index]);
  return true;
}

// TOKEN_USER as Windows writes it: a SID_AND_ATTRIBUTES (the SID's address,
// then its attributes, padded to pointer size) followed by the SID it points to.
bool FakeSecurity::GetTokenInformation(TokenHandle token, std::uint32_t informationClass,
                                       void* buffer, std::uint32_t length,
                                       std::uint32_t* returnLength) {
  if (auto error = Enter("GetTokenInformation", std::to_string(token) +
                                                    " class=" + std::to_string(informationClass) +
                                                    " length=" + std::to_string(length))) {
    return Fail(*error);
  }
  if (!IsOpen(token)) return Fail(win::kErrorInvalidHandle);
  if (informationClass != win::kTokenUser) return Fail(win::kErrorInvalidParameter);
  constexpr std::size_t kHeaderSize = 2 * sizeof(void*);
  const auto needed = static_cast<std::uint32_t>(kHeaderSize + userSid.size());
  *returnLength = needed;
  if (buffer == nullptr || length < needed) return Fail(win::kErrorInsufficientBuffer);
  auto* bytes = static_cast<std::uint8_t*>(buffer);
  std::memset(bytes, 0, kHeaderSize);
  void* sidAddress = bytes + kHeaderSize;
  std::memcpy(bytes, &sidAddress, sizeof sidAddress);
  std::memcpy(bytes + kHeaderSize, userSid.data(), userSid.size());
  return true;
}

bool FakeSecurity::CloseHandle(TokenHandle handle) {
  if (auto error = Enter("CloseHandle", std::to_string(handle))) return Fail(*error);
  const auto it = std::find(openTokens_.begin(), openTokens_.end(), handle);
  if (it == openTokens_.end()) return Fail(win::kErrorInvalidHandle);
  openTokens_.erase(it);
  return true;
}

}  // namespace haltwise::fake
