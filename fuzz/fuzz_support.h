#pragma once
// What the fuzz targets share: a file in memory, a check that stops the run
// with a message when a property of the code under test fails, and ways to
// cut an input into parts.
#include <sys/mman.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace haltwise::fuzz {

// Stops the fuzzer with a finding; libFuzzer saves the input that caused it.
[[noreturn]] inline void Fail(const char* what, const std::string& detail = "") {
  std::fprintf(stderr, "FUZZ CHECK FAILED: %s %s\n", what, detail.c_str());
  std::abort();
}

inline void Check(bool condition, const char* what, const std::string& detail = "") {
  if (!condition) Fail(what, detail);
}

// An input cut into at most `most` parts at a separator that a seed or a
// dictionary can hold: "HALTWISE". The last part runs to the end.
inline constexpr std::string_view kPartSeparator = "HALTWISE";

inline std::vector<std::string_view> SplitParts(std::string_view input, std::size_t most) {
  std::vector<std::string_view> parts;
  while (parts.size() + 1 < most) {
    const std::size_t end = input.find(kPartSeparator);
    if (end == std::string_view::npos) break;
    parts.push_back(input.substr(0, end));
    input.remove_prefix(end + kPartSeparator.size());
  }
  parts.push_back(input);
  return parts;
}

// Settings at the front of an input, one byte at a time; 0 once it runs out.
class SettingBytes {
 public:
  SettingBytes(const std::uint8_t* data, std::size_t size, std::size_t count)
      : data_(data), count_(std::min(size, count)) {}

  std::uint8_t Byte() { return next_ < count_ ? data_[next_++] : 0; }
  std::int8_t Signed() { return static_cast<std::int8_t>(Byte()); }
  std::uint32_t Word() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | Byte();
    return value;
  }
  // The bytes after the settings.
  std::string_view Rest(const std::uint8_t* data, std::size_t size) const {
    return {reinterpret_cast<const char*>(data) + count_, size - count_};
  }

 private:
  const std::uint8_t* data_;
  std::size_t count_;
  std::size_t next_ = 0;
};

// A file that lives in memory only (memfd), for readers that take a path:
// rewriting it per input costs no disk and leaves nothing behind.
class MemoryFile {
 public:
  explicit MemoryFile(const char* name) : fd_(::memfd_create(name, 0)) {
    if (fd_ < 0) Fail("memfd_create", std::strerror(errno));
  }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;
  ~MemoryFile() { ::close(fd_); }

  std::filesystem::path Path() const { return "/proc/self/fd/" + std::to_string(fd_); }
  void Write(std::string_view bytes) const {
    const bool written = ::ftruncate(fd_, 0) == 0 && ::pwrite(fd_, bytes.data(), bytes.size(), 0) ==
                                                         static_cast<ssize_t>(bytes.size());
    if (!written) Fail("writing the memory file", std::strerror(errno));
  }

 private:
  int fd_;
};

}  // namespace haltwise::fuzz
