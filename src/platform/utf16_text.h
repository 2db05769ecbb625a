#pragma once
#include <string>
#include <string_view>

namespace haltwise {

// The program's text is UTF-8; Windows and performance data speak UTF-16.
// Neither conversion fails: an unpaired surrogate, and each malformed part
// of a UTF-8 sequence (the longest start of a valid sequence, or one byte),
// becomes U+FFFD. Embedded zeros pass through.
std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

// Where the UTF-8 character starting at `pos` ends: past its continuation
// bytes, so that cutting there never splits a character.
std::size_t Utf8CharacterEnd(std::string_view text, std::size_t pos);

}  // namespace haltwise
