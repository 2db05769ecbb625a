#include "platform/win32/win32_registry.h"

#include "platform/win32/windows_api.h"

namespace haltwise {
namespace {

// The portable roots are the 32-bit values of the predefined keys; Windows
// defines them as sign-extended pointers (0xFFFFFFFF80000002 on x64).
HKEY ToHkey(win::RegKey key) {
  if (key >= 0x80000000u && key <= 0x80000060u) {
    return reinterpret_cast<HKEY>(
        static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(key))));
  }
  return reinterpret_cast<HKEY>(key);
}

win::RegKey FromHkey(HKEY key) { return reinterpret_cast<win::RegKey>(key); }

}  // namespace

long Win32Registry::OpenKeyEx(win::RegKey parent, const std::string& subKey,
                              std::uint32_t access, win::RegKey* result) {
  HKEY opened = nullptr;
  const LSTATUS status = RegOpenKeyExA(ToHkey(parent), subKey.c_str(), 0, access, &opened);
  if (status == ERROR_SUCCESS) *result = FromHkey(opened);
  return status;
}

long Win32Registry::CreateKeyEx(win::RegKey parent, const std::string& subKey,
                                std::uint32_t access, win::RegKey* result, bool* created) {
  HKEY opened = nullptr;
  DWORD disposition = 0;
  const LSTATUS status = RegCreateKeyExA(ToHkey(parent), subKey.c_str(), 0, nullptr,
                                         REG_OPTION_NON_VOLATILE, access, nullptr, &opened,
                                         &disposition);
  if (status == ERROR_SUCCESS) {
    *result = FromHkey(opened);
    if (created) *created = disposition == REG_CREATED_NEW_KEY;
  }
  return status;
}

long Win32Registry::QueryValueEx(win::RegKey key, const std::string& valueName,
                                 std::uint8_t* data, std::uint32_t* size) {
  DWORD bytes = *size;
  const LSTATUS status =
      RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, nullptr, data, &bytes);
  *size = bytes;
  return status;
}

long Win32Registry::EnumKeyEx(win::RegKey key, std::uint32_t index, char* name,
                              std::uint32_t* nameSize) {
  DWORD chars = *nameSize;
  const LSTATUS status =
      RegEnumKeyExA(ToHkey(key), index, name, &chars, nullptr, nullptr, nullptr, nullptr);
  *nameSize = chars;
  return status;
}

long Win32Registry::QueryInfoKey(win::RegKey key, std::uint32_t* maxValueDataSize) {
  DWORD largest = 0;
  const LSTATUS status = RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, nullptr,
                                          nullptr, nullptr, nullptr, nullptr, &largest,
                                          nullptr, nullptr);
  if (status == ERROR_SUCCESS) *maxValueDataSize = largest;
  return status;
}

long Win32Registry::CloseKey(win::RegKey key) { return RegCloseKey(ToHkey(key)); }

}  // namespace haltwise
