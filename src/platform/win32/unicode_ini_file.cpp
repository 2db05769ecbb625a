#include "platform/win32/unicode_ini_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/win32/windows_api.h"

namespace haltwise {

namespace {

constexpr char kUtf16LeMark[] = "\xFF\xFE";

bool FitsAnsiCodePage(const std::wstring& text) {
  if (text.empty()) return true;
  BOOL usedDefault = FALSE;
  const int size =
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                          nullptr, 0, nullptr, &usedDefault);
  return size > 0 && !usedDefault;
}

// Any byte-order mark: Windows already reads and writes such a file in
// its Unicode form.
bool HasByteOrderMark(const std::string& bytes) {
  return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") ||
         bytes.starts_with("\xEF\xBB\xBF");
}

std::wstring FromAnsi(const std::string& bytes) {
  if (bytes.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
  return text;
}

// Written beside the file and moved over it, so that a failure half-way
// never leaves a cut settings file.
bool ReplaceWithUtf16(const std::filesystem::path& path, const std::wstring& text) {
  std::filesystem::path temporary = path;
  temporary += L".new";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(kUtf16LeMark, 2);
    file.write(reinterpret_cast<const char*>(text.data()),
               static_cast<std::streamsize>(text.size() * sizeof(wchar_t)));
    if (!file.flush()) return false;
  }
  if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return false;
}

}  // namespace

bool PrepareIniFileFor(const std::wstring& text, const std::wstring& fileName) {
  if (FitsAnsiCodePage(text)) return true;
  const std::filesystem::path path(fileName);
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::ofstream created(path, std::ios::binary);
    return static_cast<bool>(created.write(kUtf16LeMark, 2));
  }
  const std::string bytes{std::istreambuf_iterator<char>(file), {}};
  file.close();
  if (HasByteOrderMark(bytes)) return true;
  return ReplaceWithUtf16(path, FromAnsi(bytes));
}

}  // namespace haltwise
