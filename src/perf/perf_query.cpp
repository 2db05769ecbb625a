#include "perf/perf_query.h"

#include <algorithm>
#include <new>

#include "platform/error.h"

namespace haltwise {

std::size_t QueryPerformanceData(Registry& registry, const std::string& valueName,
                                 std::vector<std::uint8_t>& buffer) {
  if (buffer.empty()) buffer.resize(8192);
  for (;;) {
    auto size = static_cast<std::uint32_t>(buffer.size());
    const long status =
        registry.QueryValueEx(win::kHKeyPerformanceData, valueName, buffer.data(), &size);
    if (status == win::kErrorSuccess) return std::min<std::size_t>(size, buffer.size());
    if (status != win::kErrorMoreData) return 0;
    if (buffer.size() >= kMaxPerfDataBytes) {
      throw Error("The performance data \"" + valueName + "\" is larger than 64 MiB");
    }
    try {
      buffer.assign(std::min(buffer.size() * 2, kMaxPerfDataBytes), 0);
    } catch (const std::bad_alloc&) {
      throw Error("Out of memory");
    }
  }
}

std::string ObjectListQuery(const std::vector<std::uint32_t>& objectIndexes) {
  std::string query;
  for (std::size_t i = 0; i < objectIndexes.size(); ++i) {
    const auto first = objectIndexes.begin() + static_cast<std::ptrdiff_t>(i);
    if (std::find(objectIndexes.begin(), first, objectIndexes[i]) != first) continue;
    if (!query.empty()) query += ' ';
    query += std::to_string(objectIndexes[i]);
  }
  return query;
}

}  // namespace haltwise
