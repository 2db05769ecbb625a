#pragma once
#include <string>
#include <string_view>

namespace haltwise {

// The seam between the program's UTF-8 and the wide Windows calls, with the
// conversion policy of platform/utf16_text.h.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// A wide text for a call that takes an optional string: null when empty.
inline const wchar_t* TextOrNull(const std::wstring& text) {
  return text.empty() ? nullptr : text.c_str();
}

}  // namespace haltwise
