#pragma once
#include <string>
#include <string_view>

namespace haltwise {

// Instance names in performance data are UTF-16; the program's text is UTF-8.
// Unpaired surrogates and malformed UTF-8 become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace haltwise
