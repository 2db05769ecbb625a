#include "eventlog/user_sid.h"

#include <string>

#include "eventlog/event_log_errors.h"
#include "platform/win_constants.h"

namespace haltwise {
namespace {

constexpr std::uint32_t kStartSize = 64;
// A system that keeps asking for more room without being satisfied would
// otherwise keep the loop going for ever.
constexpr int kMaxAttempts = 16;

std::string LookUpUserName(Security& security) {
  std::uint32_t size = kStartSize;
  std::string name(size + 1, '\0');
  for (int attempt = 1;; ++attempt) {
    if (security.GetUserName(name.data(), &size)) break;
    const long error = security.LastError();
    if (error != win::kErrorInsufficientBuffer || attempt == kMaxAttempts) {
      throw EUserNameLookupFail(error);
    }
    size += kStartSize;
    name.assign(size + 1, '\0');
  }
  name.resize(name.find('\0'));
  return name;
}

}  // namespace

std::vector<std::uint8_t> LookUpUserSid(Security& security) {
  const std::string name = LookUpUserName(security);
  std::uint32_t sidSize = kStartSize;
  std::uint32_t domainSize = kStartSize;
  std::vector<std::uint8_t> sid(sidSize);
  std::string domain(domainSize, '\0');
  for (int attempt = 1;; ++attempt) {
    if (security.LookupAccountName(name, sid.data(), &sidSize, domain.data(), &domainSize)) break;
    const long error = security.LastError();
    if (error != win::kErrorInsufficientBuffer || attempt == kMaxAttempts) {
      throw EUserSIDLookupFail(error);
    }
    sid.assign(sidSize, 0);
    domain.assign(domainSize, '\0');
  }
  sid.resize(sidSize);
  return sid;
}

}  // namespace haltwise
