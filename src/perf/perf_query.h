#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace haltwise {

// The largest performance data the program accepts: far above the "Global"
// data of any real machine, so a registry that keeps asking for more beyond
// it is not believed.
inline constexpr std::size_t kMaxPerfDataBytes = 64u << 20;

// Reads the value `valueName` of HKEY_PERFORMANCE_DATA ("Global", or title
// indexes such as "238 234 510") into `buffer`. Windows does not say how much
// it needs, and collects everything again on every query, so the buffer
// doubles while the query reports ERROR_MORE_DATA and keeps its size for the
// next query. Returns the bytes filled; 0 when the query failed otherwise.
// Raises an error naming the query when it needs more than kMaxPerfDataBytes.
std::size_t QueryPerformanceData(Registry& registry, const std::string& valueName,
                                 std::vector<std::uint8_t>& buffer);

// The value name that asks for just these objects: their title indexes,
// separated by spaces, each once, in the order given.
std::string ObjectListQuery(const std::vector<std::uint32_t>& objectIndexes);

}  // namespace haltwise
