#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/fake/fake_seam.h"
#include "platform/registry.h"

namespace haltwise::fake {

// An in-memory registry. Keys are named by full paths that start with a
// root, "HKLM", "HKPD" (performance data) or "HKDD" (dynamic data), such as
// "HKLM\\SOFTWARE\\Microsoft"; names compare without regard to case.
// Performance data values come from a provider, as Windows collects them
// afresh on every query.
class FakeRegistry : public Registry, public FakeSeam {
 public:
  using PerformanceProvider =
      std::function<std::vector<std::uint8_t>(const std::string& valueName)>;

  void CreateKey(const std::string& path);
  bool KeyExists(const std::string& path) const;
  void SetValue(const std::string& path, const std::string& name, std::vector<std::uint8_t> data);
  void SetStringValue(const std::string& path, const std::string& name, const std::string& text);
  // REG_MULTI_SZ: each string zero-terminated, then one more zero.
  void SetMultiStringValue(const std::string& path, const std::string& name,
                           const std::vector<std::string>& strings);
  void SetDwordValue(const std::string& path, const std::string& name, std::uint32_t value);
  void SetPerformanceProvider(PerformanceProvider provider) { performance_ = std::move(provider); }
  // Windows does not say how much performance data there is; a test may
  // ask the fake to report it anyway.
  void SetReportsPerformanceSize(bool reports) { reportsPerformanceSize_ = reports; }
  int OpenHandleCount() const { return static_cast<int>(handles_.size()); }

  long OpenKeyEx(win::RegKey parent, const std::string& subKey, std::uint32_t access,
                 win::RegKey* result) override;
  long CreateKeyEx(win::RegKey parent, const std::string& subKey, std::uint32_t access,
                   win::RegKey* result, bool* created) override;
  long QueryValueEx(win::RegKey key, const std::string& valueName, std::uint8_t* data,
                    std::uint32_t* size) override;
  long EnumKeyEx(win::RegKey key, std::uint32_t index, char* name,
                 std::uint32_t* nameSize) override;
  long QueryInfoKey(win::RegKey key, std::uint32_t* maxValueDataSize) override;
  long CloseKey(win::RegKey key) override;

 private:
  struct Key {
    std::string name;  // as created
    // Canonical (upper-case) paths: Windows enumerates subkeys sorted by
    // their upper-cased names, whatever order they were created in.
    std::set<std::string> children;
    std::map<std::string, std::vector<std::uint8_t>> values;  // upper-cased value name
  };

  static std::string Canonical(const std::string& path);
  std::string PathOf(win::RegKey key) const;  // empty for an unknown handle
  std::string Join(win::RegKey parent, const std::string& subKey) const;
  Key& Ensure(const std::string& path);
  win::RegKey NewHandle(const std::string& path);

  std::map<std::string, Key> keys_;  // by canonical path
  std::map<win::RegKey, std::string> handles_;
  win::RegKey nextHandle_ = 0x1000;
  PerformanceProvider performance_;
  bool reportsPerformanceSize_ = false;
};

}  // namespace haltwise::fake
