#pragma once
// What the fuzz targets share: a scratch file of their own, and a check that
// stops the run with a message when a property of the code under test fails.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
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

// A file in the temporary folder, named after the process so that parallel
// fuzzing jobs do not share it, removed when the target ends.
class ScratchFile {
 public:
  explicit ScratchFile(const std::string& stem)
      : path_(std::filesystem::temp_directory_path() /
              (stem + "_" + std::to_string(::getpid()) + ".tmp")) {}
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  ~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }

  const std::filesystem::path& Path() const { return path_; }
  std::string Name() const { return path_.string(); }
  void Write(std::string_view bytes) const {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

 private:
  std::filesystem::path path_;
};

}  // namespace haltwise::fuzz
