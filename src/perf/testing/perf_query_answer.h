#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace haltwise::perftest {

// What Windows returns for the value `valueName` of HKEY_PERFORMANCE_DATA on
// a machine whose "Global" data is `global`: "Global" gives every object;
// title indexes separated by spaces ("238 234 510") give only those objects,
// in the machine's order, an index the machine lacks giving nothing; any
// other name gives the header without objects.
std::vector<std::uint8_t> AnswerPerfQuery(const std::vector<std::uint8_t>& global,
                                          const std::string& valueName);

// The block with only the objects whose title index `keep` accepts.
// std::out_of_range for a block whose lengths lie.
std::vector<std::uint8_t> SelectObjects(const std::vector<std::uint8_t>& block,
                                        const std::function<bool(std::uint32_t)>& keep);

}  // namespace haltwise::perftest
