#pragma once
#include <string>

namespace haltwise {

// The system's own text for an error code (FormatMessageW), without the
// trailing line break; empty when the system has none.
std::string FormatSystemMessage(long code);

}  // namespace haltwise
