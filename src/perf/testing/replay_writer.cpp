#include "perf/testing/replay_writer.h"

namespace haltwise::perftest {

ReplayWriter::ReplayWriter(std::ostream& out, const TitlePairs& counterTitles,
                           const TitlePairs& helpTitles)
    : out_(out) {
  Table(counterTitles);
  Table(helpTitles);
}

void ReplayWriter::AppendRecord(const std::vector<std::uint8_t>& block) {
  Int32(static_cast<std::int32_t>(block.size()));
  out_.write(reinterpret_cast<const char*>(block.data()),
             static_cast<std::streamsize>(block.size()));
}

void ReplayWriter::Int32(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  const char bytes[4] = {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
                         static_cast<char>((bits >> 16) & 0xFF),
                         static_cast<char>((bits >> 24) & 0xFF)};
  out_.write(bytes, 4);
}

void ReplayWriter::Text(const std::string& text) {
  Int32(static_cast<std::int32_t>(text.size()));
  out_.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void ReplayWriter::Table(const TitlePairs& table) {
  Int32(static_cast<std::int32_t>(table.size()));
  for (const auto& [index, title] : table) {
    Text(index);
    Text(title);
  }
}

std::vector<std::string> ToMultiStrings(const TitlePairs& table) {
  std::vector<std::string> strings;
  strings.reserve(table.size() * 2);
  for (const auto& [index, title] : table) {
    strings.push_back(index);
    strings.push_back(title);
  }
  return strings;
}

}  // namespace haltwise::perftest
