#include "platform/win32/win32_private_profile.h"

#include "platform/win32/unicode_ini_file.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace haltwise {

std::string Win32PrivateProfile::GetString(const std::string& section, const std::string& key,
                                           const std::string& defaultValue,
                                           const std::string& fileName) {
  const std::wstring wideSection = Widen(section), wideKey = Widen(key);
  const std::wstring wideDefault = Widen(defaultValue), wideFile = Widen(fileName);
  // A value that fills the buffer up to its last character may have been
  // cut: read again with twice the room.
  std::wstring buffer(256, L'\0');
  for (;;) {
    const DWORD length = GetPrivateProfileStringW(
        wideSection.c_str(), wideKey.c_str(), wideDefault.c_str(), buffer.data(),
        static_cast<DWORD>(buffer.size()), wideFile.c_str());
    if (length + 1 < buffer.size()) {
      buffer.resize(length);
      return Narrow(buffer);
    }
    buffer.assign(buffer.size() * 2, L'\0');
  }
}

int Win32PrivateProfile::GetInt(const std::string& section, const std::string& key,
                                int defaultValue, const std::string& fileName) {
  return static_cast<int>(GetPrivateProfileIntW(Widen(section).c_str(), Widen(key).c_str(),
                                                defaultValue, Widen(fileName).c_str()));
}

bool Win32PrivateProfile::WriteString(const std::string& section, const std::string& key,
                                      const std::string& value, const std::string& fileName) {
  const std::wstring wideSection = Widen(section), wideKey = Widen(key);
  const std::wstring wideValue = Widen(value), wideFile = Widen(fileName);
  PrepareIniFileFor(wideSection + wideKey + wideValue, wideFile);
  return WritePrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideValue.c_str(),
                                    wideFile.c_str()) != FALSE;
}

}  // namespace haltwise
