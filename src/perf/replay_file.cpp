#include "perf/replay_file.h"

#include "platform/error.h"
#include "platform/file_path.h"

namespace haltwise {
namespace {

[[noreturn]] void ThrowInvalid(const std::string& detail) {
  throw Error("Invalid replay file: " + detail);
}

// Reads the length-checked pieces of a replay file from a stream whose size
// is known, keeping count of the position.
class ReplayReader {
 public:
  ReplayReader(std::istream& stream, std::uint64_t size, std::uint64_t& position)
      : stream_(stream), size_(size), position_(position) {}

  std::int32_t ReadInt32(const char* what) {
    std::uint8_t bytes[4];
    ReadBytes(bytes, sizeof bytes, what);
    const std::uint32_t value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                (static_cast<std::uint32_t>(bytes[3]) << 24);
    return static_cast<std::int32_t>(value);
  }

  // A length that is negative or longer than the rest of the file.
  std::uint32_t ReadLength(const char* what) {
    const std::int32_t length = ReadInt32(what);
    if (length < 0 || static_cast<std::uint64_t>(length) > size_ - position_) {
      ThrowInvalid(std::string("bad length of ") + what);
    }
    return static_cast<std::uint32_t>(length);
  }

  void ReadBytes(void* target, std::uint64_t count, const char* what) {
    if (count > size_ - position_) ThrowInvalid(std::string("truncated ") + what);
    stream_.read(static_cast<char*>(target), static_cast<std::streamsize>(count));
    if (!stream_) ThrowInvalid(std::string("cannot read ") + what);
    position_ += count;
  }

  std::string ReadString() {
    std::string text(ReadLength("title text"), '\0');
    ReadBytes(text.data(), text.size(), "title text");
    return text;
  }

  TitlePairs ReadTable() {
    const std::int32_t count = ReadInt32("title count");
    // Every pair takes at least the two lengths.
    if (count < 0 || static_cast<std::uint64_t>(count) * 8 > size_ - position_) {
      ThrowInvalid("bad title count");
    }
    TitlePairs table;
    table.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
      std::string index = ReadString();
      table.emplace_back(std::move(index), ReadString());
    }
    return table;
  }

 private:
  std::istream& stream_;
  std::uint64_t size_;
  std::uint64_t& position_;
};

std::ifstream OpenForReading(const std::filesystem::path& path, std::uint64_t* size) {
  std::error_code error;
  *size = std::filesystem::file_size(path, error);
  std::ifstream stream(path, std::ios::binary);
  if (error || !stream) throw Error("Cannot open replay file \"" + PathText(path) + "\"");
  return stream;
}

}  // namespace

ReplayFile::ReplayFile(const std::filesystem::path& path) {
  stream_ = OpenForReading(path, &size_);
  ReplayReader reader(stream_, size_, position_);
  reader.ReadTable();
  reader.ReadTable();
}

void ReplayFile::ReadRecord(std::vector<std::uint8_t>& block) {
  ReplayReader reader(stream_, size_, position_);
  try {
    const std::int32_t length = reader.ReadInt32("record length");
    if (length < 0) ThrowInvalid("bad length of record");
    if (static_cast<std::uint64_t>(length) > size_ - position_) ThrowInvalid("truncated record");
    block.resize(static_cast<std::size_t>(length));
    reader.ReadBytes(block.data(), block.size(), "record");
  } catch (const Error&) {
    block.clear();
    position_ = size_;
    throw;
  }
}

TitlePairs ReplayFile::ReadTitleTable(const std::filesystem::path& path, bool helpTable) {
  std::uint64_t size = 0;
  std::uint64_t position = 0;
  std::ifstream stream = OpenForReading(path, &size);
  ReplayReader reader(stream, size, position);
  if (helpTable) reader.ReadTable();
  return reader.ReadTable();
}

}  // namespace haltwise
