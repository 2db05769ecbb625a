#include "perf/testing/perf_query_answer.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <sstream>
#include <stdexcept>

#include "perf/perf_block.h"
#include "perf/perf_layout.h"
#include "perf/testing/perf_block_writer.h"

namespace haltwise::perftest {
namespace {

// The title indexes of a query such as "238 234 510"; none for any other name.
std::set<std::uint32_t> AskedObjects(const std::string& valueName) {
  std::set<std::uint32_t> indexes;
  std::istringstream words(valueName);
  std::string word;
  while (words >> word) {
    if (word.size() > 9 ||
        !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      return {};
    }
    indexes.insert(static_cast<std::uint32_t>(std::stoul(word)));
  }
  return indexes;
}

std::uint32_t ReadU32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
  std::uint32_t value = 0;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

}  // namespace

std::vector<std::uint8_t> AnswerPerfQuery(const std::vector<std::uint8_t>& global,
                                          const std::string& valueName) {
  if (valueName == "Global") return global;
  const std::set<std::uint32_t> asked = AskedObjects(valueName);
  return SelectObjects(global, [&](std::uint32_t index) { return asked.count(index) != 0; });
}

std::vector<std::uint8_t> SelectObjects(const std::vector<std::uint8_t>& global,
                                        const std::function<bool(std::uint32_t)>& keep) {
  // Without a whole header there is nothing to choose from.
  if (global.size() < perf::kDataBlockSize) return global;
  const PerfBlock block(global.data(), global.size());
  const std::size_t headerLength = ReadU32(global, perf::kDataBlockHeaderLength);
  if (headerLength > global.size()) throw std::out_of_range("header past the block");
  std::vector<std::uint8_t> answer(global.begin(),
                                   global.begin() + static_cast<std::ptrdiff_t>(headerLength));
  std::uint32_t objects = 0;
  const std::uint32_t count = block.NumObjectTypes();
  std::size_t at = count > 0 ? block.FirstObjectType() : 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    const perf::PerfObjectType object = block.ObjectAt(at);
    if (keep(object.ObjectNameTitleIndex)) {
      if (object.TotalByteLength > global.size() - object.Offset) {
        throw std::out_of_range("object past the block");
      }
      const auto start = global.begin() + static_cast<std::ptrdiff_t>(object.Offset);
      answer.insert(answer.end(), start, start + object.TotalByteLength);
      ++objects;
    }
    if (i + 1 < count) at = block.NextObjectType(object);
  }
  PutU32(answer, perf::kDataBlockTotalByteLength, static_cast<std::uint32_t>(answer.size()));
  PutU32(answer, perf::kDataBlockNumObjectTypes, objects);
  return answer;
}

}  // namespace haltwise::perftest
