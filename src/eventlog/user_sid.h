#pragma once
#include <cstdint>
#include <vector>

#include "platform/security.h"

namespace haltwise {

// The security identifier of the logged-on user: GetUserNameA, then
// LookupAccountNameA on the local system, each retried with larger buffers
// while the system answers ERROR_INSUFFICIENT_BUFFER. Raises
// EUserNameLookupFail or EUserSIDLookupFail.
std::vector<std::uint8_t> LookUpUserSid(Security& security);

}  // namespace haltwise
