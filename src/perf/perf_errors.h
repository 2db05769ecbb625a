#pragma once
#include <cstdint>
#include <string>

#include "platform/error.h"

namespace haltwise {

// The integer value of a text in the platform's integer forms; any other text
// fails with the platform's conversion message.
std::int32_t StrToInt(const std::string& text);

// The error of a list read at a position it does not have.
Error ListIndexError(int index);

// The system's message text for a Windows error code.
std::string SystemErrorText(long code);

}  // namespace haltwise
