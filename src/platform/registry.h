#pragma once
#include <cstdint>
#include <string>

#include "platform/win_constants.h"

namespace haltwise {

// The registry calls the program makes, with the Windows arguments and
// return codes (LSTATUS) unchanged, so that loops such as "grow while
// ERROR_MORE_DATA" are written once and can be tested against a fake.
class Registry {
 public:
  virtual ~Registry() = default;

  virtual long OpenKeyEx(win::RegKey parent, const std::string& subKey, std::uint32_t access,
                         win::RegKey* result) = 0;
  // RegCreateKeyEx; `created` (may be null) tells whether the key was new.
  virtual long CreateKeyEx(win::RegKey parent, const std::string& subKey, std::uint32_t access,
                           win::RegKey* result, bool* created) = 0;
  // RegQueryValueEx without the type output. `data` may be null to ask
  // for the size only; on return `*size` holds the bytes written or needed.
  // Text values (REG_SZ, REG_MULTI_SZ...) come as UTF-8, zeros kept.
  virtual long QueryValueEx(win::RegKey key, const std::string& valueName, std::uint8_t* data,
                            std::uint32_t* size) = 0;
  // RegEnumKeyEx, the name in UTF-8: `*nameSize` is the buffer size in bytes
  // including the terminator on entry, the name length without it on success.
  virtual long EnumKeyEx(win::RegKey key, std::uint32_t index, char* name,
                         std::uint32_t* nameSize) = 0;
  // RegQueryInfoKey, reduced to the one output the program uses: room
  // enough for the largest value, text values in UTF-8 included.
  virtual long QueryInfoKey(win::RegKey key, std::uint32_t* maxValueDataSize) = 0;
  virtual long CloseKey(win::RegKey key) = 0;
};

// Owns one open key and closes it when it goes out of scope.
class ScopedRegKey {
 public:
  explicit ScopedRegKey(Registry& registry) : registry_(registry) {}
  ScopedRegKey(const ScopedRegKey&) = delete;
  ScopedRegKey& operator=(const ScopedRegKey&) = delete;
  ~ScopedRegKey() { Close(); }

  win::RegKey* Receive() {
    Close();
    return &key_;
  }
  win::RegKey Get() const { return key_; }
  bool IsOpen() const { return key_ != 0; }
  void Close() {
    if (key_ != 0) registry_.CloseKey(key_);
    key_ = 0;
  }

 private:
  Registry& registry_;
  win::RegKey key_ = 0;
};

}  // namespace haltwise
