#include "eventlog/user_sid.h"

#include <cstring>

#include "eventlog/event_log_errors.h"
#include "platform/win_constants.h"

namespace haltwise {
namespace {

// TOKEN_USER begins with the SID's address and its attributes, padded to
// pointer size; the SID itself follows somewhere in the same buffer.
constexpr std::size_t kTokenUserSize = 2 * sizeof(void*);
constexpr std::size_t kSidHeaderSize = 8;  // revision, count, 6-byte authority
constexpr std::uint32_t kStartSize = 64;
// A system that keeps asking for more room without being satisfied would
// otherwise keep the loop going for ever.
constexpr int kMaxAttempts = 16;

// The SID that a TOKEN_USER in `buffer` (`size` bytes written) points to,
// checked to lie wholly inside the buffer.
std::vector<std::uint8_t> SidOf(const std::vector<std::uintptr_t>& buffer, std::size_t size) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(buffer.data());
  if (size < kTokenUserSize) throw EUserSIDLookupFail(win::kErrorInvalidSid);
  std::uintptr_t address = 0;
  std::memcpy(&address, bytes, sizeof address);
  const auto begin = reinterpret_cast<std::uintptr_t>(bytes);
  if (address < begin || address - begin > size - kSidHeaderSize) {
    throw EUserSIDLookupFail(win::kErrorInvalidSid);
  }
  const std::size_t offset = address - begin;
  const std::size_t length = kSidHeaderSize + 4u * bytes[offset + 1];
  if (length > size - offset) throw EUserSIDLookupFail(win::kErrorInvalidSid);
  return {bytes + offset, bytes + offset + length};
}

}  // namespace

std::vector<std::uint8_t> LookUpUserSid(Security& security) {
  ScopedToken token(security);
  if (!security.OpenProcessToken(win::kTokenQuery, token.Receive())) {
    throw EUserSIDLookupFail(security.LastError());
  }
  std::uint32_t size = kStartSize;
  // Whole pointers, so that the structure at its start is aligned.
  std::vector<std::uintptr_t> buffer;
  for (int attempt = 1;; ++attempt) {
    buffer.assign((size + sizeof(std::uintptr_t) - 1) / sizeof(std::uintptr_t), 0);
    std::uint32_t needed = 0;
    if (security.GetTokenInformation(token.Get(), win::kTokenUser, buffer.data(), size, &needed)) {
      return SidOf(buffer, size);
    }
    const long error = security.LastError();
    if (error != win::kErrorInsufficientBuffer || attempt == kMaxAttempts || needed <= size) {
      throw EUserSIDLookupFail(error);
    }
    size = needed;
  }
}

}  // namespace haltwise
