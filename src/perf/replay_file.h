#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace haltwise {

// One title table as a replay file stores it: (index text, title text) pairs.
using TitlePairs = std::vector<std::pair<std::string, std::string>>;

// A replay file of recorded performance data, read only. Layout, all integers
// signed 32-bit little-endian: the counter title table, the help title table
// (each a count C, then C pairs of length-prefixed strings), then snapshot
// records (a length N, then N bytes forming a whole performance data block).
// Every length is checked against what is left of the file; a file that lies
// raises "Invalid replay file: ..." instead of reading past its end.
class ReplayFile {
 public:
  // Opens the file and skips its two title tables, so that records follow.
  explicit ReplayFile(const std::filesystem::path& path);

  // True once every record has been read.
  bool AtEnd() const { return position_ == size_; }
  // Reads the next record into `block` (resized to its length). A record cut
  // short raises an error and leaves the file at its end.
  void ReadRecord(std::vector<std::uint8_t>& block);

  // Reads the counter table (the first) or the help table (the second) of
  // the file at `path`, opening it afresh.
  static TitlePairs ReadTitleTable(const std::filesystem::path& path, bool helpTable);

 private:
  std::ifstream stream_;
  std::uint64_t size_ = 0;
  std::uint64_t position_ = 0;
};

}  // namespace haltwise
