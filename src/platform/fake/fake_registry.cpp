#include "platform/fake/fake_registry.h"

#include <algorithm>
#include <cstring>

#include "platform/text.h"

namespace haltwise::fake {
namespace {

std::string RootName(win::RegKey key) {
  switch (key) {
    case win::kHKeyLocalMachine:
      return "HKLM";
    case win::kHKeyPerformanceData:
      return "HKPD";
    case win::kHKeyDynData:
      return "HKDD";
    default:
      return "";
  }
}

std::string ParentPath(const std::string& path) {
  const auto slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string Describe(win::RegKey key, const std::string& text) {
  return std::to_string(key) + " " + text;
}

}  // namespace

std::string FakeRegistry::Canonical(const std::string& path) {
  std::string result;
  for (char c : path) {
    if (c == '\\' && (result.empty() || result.back() == '\\')) continue;
    result += c;
  }
  while (!result.empty() && result.back() == '\\') result.pop_back();
  return UpperCaseAscii(result);
}

std::string FakeRegistry::PathOf(win::RegKey key) const {
  const std::string root = RootName(key);
  if (!root.empty()) return root;
  const auto it = handles_.find(key);
  return it == handles_.end() ? std::string() : it->second;
}

std::string FakeRegistry::Join(win::RegKey parent, const std::string& subKey) const {
  const std::string base = PathOf(parent);
  if (base.empty()) return "";
  return Canonical(base + "\\" + subKey);
}

FakeRegistry::Key& FakeRegistry::Ensure(const std::string& path) {
  const std::string canonical = Canonical(path);
  auto it = keys_.find(canonical);
  if (it != keys_.end()) return it->second;
  const std::string parent = ParentPath(canonical);
  if (!parent.empty()) Ensure(parent).children.insert(canonical);
  Key& key = keys_[canonical];
  key.name = path.substr(path.rfind('\\') == std::string::npos ? 0 : path.rfind('\\') + 1);
  return key;
}

win::RegKey FakeRegistry::NewHandle(const std::string& path) {
  const win::RegKey handle = nextHandle_;
  nextHandle_ += 4;
  handles_[handle] = path;
  return handle;
}

void FakeRegistry::CreateKey(const std::string& path) { Ensure(path); }

bool FakeRegistry::KeyExists(const std::string& path) const {
  return keys_.count(Canonical(path)) != 0;
}

void FakeRegistry::SetValue(const std::string& path, const std::string& name,
                            std::vector<std::uint8_t> data) {
  Ensure(path).values[UpperCaseAscii(name)] = std::move(data);
}

void FakeRegistry::SetStringValue(const std::string& path, const std::string& name,
                                  const std::string& text) {
  std::vector<std::uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  SetValue(path, name, std::move(data));
}

void FakeRegistry::SetMultiStringValue(const std::string& path, const std::string& name,
                                       const std::vector<std::string>& strings) {
  std::vector<std::uint8_t> data;
  for (const std::string& s : strings) {
    data.insert(data.end(), s.begin(), s.end());
    data.push_back(0);
  }
  data.push_back(0);
  SetValue(path, name, std::move(data));
}

void FakeRegistry::SetDwordValue(const std::string& path, const std::string& name,
                                 std::uint32_t value) {
  std::vector<std::uint8_t> data(4);
  std::memcpy(data.data(), &value, 4);
  SetValue(path, name, std::move(data));
}

long FakeRegistry::OpenKeyEx(win::RegKey parent, const std::string& subKey, std::uint32_t access,
                             win::RegKey* result) {
  const std::string path = Join(parent, subKey);
  if (auto error = Enter("RegOpenKeyEx", path + " access=" + std::to_string(access))) {
    return *error;
  }
  if (path.empty()) return win::kErrorInvalidHandle;
  if (!keys_.count(path)) return win::kErrorFileNotFound;
  *result = NewHandle(path);
  return win::kErrorSuccess;
}

long FakeRegistry::CreateKeyEx(win::RegKey parent, const std::string& subKey, std::uint32_t access,
                               win::RegKey* result, bool* created) {
  const std::string path = Join(parent, subKey);
  if (auto error = Enter("RegCreateKeyEx", path + " access=" + std::to_string(access))) {
    return *error;
  }
  if (path.empty()) return win::kErrorInvalidHandle;
  const bool existed = keys_.count(path) != 0;
  Ensure(path);
  if (created) *created = !existed;
  *result = NewHandle(path);
  return win::kErrorSuccess;
}

long FakeRegistry::QueryValueEx(win::RegKey key, const std::string& valueName, std::uint8_t* data,
                                std::uint32_t* size) {
  const std::string path = PathOf(key);
  if (auto error = Enter("RegQueryValueEx", path + " " + valueName)) return *error;
  if (path.empty()) return win::kErrorInvalidHandle;

  std::vector<std::uint8_t> value;
  const bool performance = key == win::kHKeyPerformanceData;
  if (performance) {
    if (!performance_) return win::kErrorFileNotFound;
    value = performance_(valueName);
  } else {
    const auto found = keys_.find(path);
    if (found == keys_.end()) return win::kErrorInvalidHandle;
    const auto v = found->second.values.find(UpperCaseAscii(valueName));
    if (v == found->second.values.end()) return win::kErrorFileNotFound;
    value = v->second;
  }

  const auto needed = static_cast<std::uint32_t>(value.size());
  if (data == nullptr && !performance) {
    *size = needed;
    return win::kErrorSuccess;
  }
  if (data == nullptr || *size < needed) {
    if (!performance || reportsPerformanceSize_) *size = needed;
    return win::kErrorMoreData;
  }
  std::copy(value.begin(), value.end(), data);
  *size = needed;
  return win::kErrorSuccess;
}

long FakeRegistry::EnumKeyEx(win::RegKey key, std::uint32_t index, char* name,
                             std::uint32_t* nameSize) {
  const std::string path = PathOf(key);
  if (auto error = Enter("RegEnumKeyEx", Describe(key, path) + " #" + std::to_string(index))) {
    return *error;
  }
  const auto found = keys_.find(path);
  if (found == keys_.end()) return win::kErrorInvalidHandle;
  if (index >= found->second.children.size()) return win::kErrorNoMoreItems;
  const std::string& childName =
      keys_.at(*std::next(found->second.children.begin(), static_cast<std::ptrdiff_t>(index))).name;
  if (childName.size() + 1 > *nameSize) return win::kErrorMoreData;
  std::memcpy(name, childName.c_str(), childName.size() + 1);
  *nameSize = static_cast<std::uint32_t>(childName.size());
  return win::kErrorSuccess;
}

long FakeRegistry::QueryInfoKey(win::RegKey key, std::uint32_t* maxValueDataSize) {
  const std::string path = PathOf(key);
  if (auto error = Enter("RegQueryInfoKey", path)) return *error;
  const auto found = keys_.find(path);
  if (found == keys_.end()) return win::kErrorInvalidHandle;
  std::size_t largest = 0;
  for (const auto& [valueName, data] : found->second.values)
    largest = std::max(largest, data.size());
  *maxValueDataSize = static_cast<std::uint32_t>(largest);
  return win::kErrorSuccess;
}

long FakeRegistry::CloseKey(win::RegKey key) {
  if (auto error = Enter("RegCloseKey", PathOf(key))) return *error;
  if (!RootName(key).empty()) return win::kErrorSuccess;
  return handles_.erase(key) ? win::kErrorSuccess : win::kErrorInvalidHandle;
}

}  // namespace haltwise::fake
