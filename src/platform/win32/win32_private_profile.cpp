#include "platform/win32/win32_private_profile.h"

#include "platform/win32/windows_api.h"

namespace haltwise {

std::string Win32PrivateProfile::GetString(const std::string& section, const std::string& key,
                                           const std::string& defaultValue,
                                           const std::string& fileName) {
  // A value that fills the buffer up to its last character may have been
  // cut: read again with twice the room.
  std::string buffer(256, '\0');
  for (;;) {
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                 buffer.data(), static_cast<DWORD>(buffer.size()),
                                 fileName.c_str());
    if (length + 1 < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.assign(buffer.size() * 2, '\0');
  }
}

int Win32PrivateProfile::GetInt(const std::string& section, const std::string& key,
                                int defaultValue, const std::string& fileName) {
  return static_cast<int>(
      GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, fileName.c_str()));
}

bool Win32PrivateProfile::WriteString(const std::string& section, const std::string& key,
                                      const std::string& value, const std::string& fileName) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                    fileName.c_str()) != FALSE;
}

}  // namespace haltwise
