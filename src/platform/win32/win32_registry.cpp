#include "platform/win32/win32_registry.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/wide_text.h"
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

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// A whole text value in UTF-8, zeros (terminators, multi-string
// separators) kept. An odd last byte cannot be a character and is dropped.
LSTATUS ReadTextValue(HKEY key, const wchar_t* name, std::string* text) {
  std::vector<wchar_t> wide(64);
  for (;;) {
    DWORD bytes = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
    const LSTATUS status =
        RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(wide.data()), &bytes);
    if (status == ERROR_MORE_DATA) {
      wide.resize(std::max<std::size_t>(wide.size() * 2, bytes / sizeof(wchar_t) + 1));
      continue;
    }
    if (status == ERROR_SUCCESS) *text = Narrow({wide.data(), bytes / sizeof(wchar_t)});
    return status;
  }
}

}  // namespace

long Win32Registry::OpenKeyEx(win::RegKey parent, const std::string& subKey, std::uint32_t access,
                              win::RegKey* result) {
  HKEY opened = nullptr;
  const LSTATUS status = RegOpenKeyExW(ToHkey(parent), Widen(subKey).c_str(), 0, access, &opened);
  if (status == ERROR_SUCCESS) *result = FromHkey(opened);
  return status;
}

long Win32Registry::CreateKeyEx(win::RegKey parent, const std::string& subKey, std::uint32_t access,
                                win::RegKey* result, bool* created) {
  HKEY opened = nullptr;
  DWORD disposition = 0;
  const LSTATUS status =
      RegCreateKeyExW(ToHkey(parent), Widen(subKey).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      access, nullptr, &opened, &disposition);
  if (status == ERROR_SUCCESS) {
    *result = FromHkey(opened);
    if (created) *created = disposition == REG_CREATED_NEW_KEY;
  }
  return status;
}

// Binary data (performance data among it) passes through as it is; a text
// value comes back in UTF-8, and the sizes are those of the UTF-8 form.
long Win32Registry::QueryValueEx(win::RegKey key, const std::string& valueName, std::uint8_t* data,
                                 std::uint32_t* size) {
  const std::wstring name = Widen(valueName);
  DWORD type = REG_NONE;
  DWORD bytes = *size;
  const LSTATUS status = RegQueryValueExW(ToHkey(key), name.c_str(), nullptr, &type, data, &bytes);
  if ((status != ERROR_SUCCESS && status != ERROR_MORE_DATA) || !IsText(type)) {
    *size = bytes;
    return status;
  }
  std::string text;
  if (const LSTATUS read = ReadTextValue(ToHkey(key), name.c_str(), &text); read != ERROR_SUCCESS) {
    return read;
  }
  const bool fits = text.size() <= *size;
  if (data && fits) std::memcpy(data, text.data(), text.size());
  *size = static_cast<std::uint32_t>(text.size());
  return data && !fits ? ERROR_MORE_DATA : ERROR_SUCCESS;
}

long Win32Registry::EnumKeyEx(win::RegKey key, std::uint32_t index, char* name,
                              std::uint32_t* nameSize) {
  wchar_t wide[256];  // the longest key name and its terminator
  DWORD chars = 256;
  const LSTATUS status =
      RegEnumKeyExW(ToHkey(key), index, wide, &chars, nullptr, nullptr, nullptr, nullptr);
  if (status != ERROR_SUCCESS) return status;
  const std::string text = Narrow({wide, chars});
  if (text.size() + 1 > *nameSize) return ERROR_MORE_DATA;
  std::memcpy(name, text.c_str(), text.size() + 1);
  *nameSize = static_cast<std::uint32_t>(text.size());
  return status;
}

// Windows counts a text value in UTF-16 bytes; its UTF-8 form needs at most
// half as much again (three bytes for a two-byte unit), so that is the bound.
long Win32Registry::QueryInfoKey(win::RegKey key, std::uint32_t* maxValueDataSize) {
  DWORD largest = 0;
  const LSTATUS status = RegQueryInfoKeyW(ToHkey(key), nullptr, nullptr, nullptr, nullptr, nullptr,
                                          nullptr, nullptr, nullptr, &largest, nullptr, nullptr);
  if (status == ERROR_SUCCESS) *maxValueDataSize = largest + largest / 2;
  return status;
}

long Win32Registry::CloseKey(win::RegKey key) { return RegCloseKey(ToHkey(key)); }

}  // namespace haltwise
