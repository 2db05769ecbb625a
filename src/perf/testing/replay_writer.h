#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "perf/replay_file.h"

namespace haltwise::perftest {

// Writes a replay file: the two title tables, then one record per snapshot.
class ReplayWriter {
 public:
  ReplayWriter(std::ostream& out, const TitlePairs& counterTitles, const TitlePairs& helpTitles);
  void AppendRecord(const std::vector<std::uint8_t>& block);

 private:
  void Int32(std::int32_t value);
  void Text(const std::string& text);
  void Table(const TitlePairs& table);

  std::ostream& out_;
};

// A title table as a Perflib registry value holds it: index, title, index,
// title..., each zero-terminated (the fake registry adds the final zero).
std::vector<std::string> ToMultiStrings(const TitlePairs& table);

}  // namespace haltwise::perftest
