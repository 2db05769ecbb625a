#pragma once
#include "platform/win32/windows_api.h"

#include <cstdint>

namespace haltwise {

// A FILETIME as one signed count of 100-ns units.
inline std::int64_t FileTimeToInt64(const FILETIME& time) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime);
}

}  // namespace haltwise
