#pragma once
#include <cstdint>
#include <vector>

#include "platform/security.h"

namespace haltwise {

// The security identifier of the user the process runs as, read from its
// own token (TokenUser). A look-up by user name would fail for names outside
// the ANSI code page and could find another account of the same name.
// Raises EUserSIDLookupFail.
std::vector<std::uint8_t> LookUpUserSid(Security& security);

}  // namespace haltwise
