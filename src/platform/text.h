#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace haltwise {

// Upper-cases the letters a to z only, so lengths and other bytes stay.
std::string UpperCaseAscii(std::string_view text);
bool SameTextAscii(std::string_view a, std::string_view b);
// Removes characters with codes up to 32 at both ends.
std::string Trim(std::string_view text);

// The platform's integer text form: optional leading blanks, an optional
// sign, then decimal digits, or hexadecimal digits after "$", "x" or "0x";
// nothing may follow. Out-of-range values fail.
std::optional<std::int32_t> TryStrToInt(std::string_view text);
// Only an optional sign followed by decimal digits.
std::optional<std::int32_t> TryStrToIntStrict(std::string_view text);

// A whole-valued double in the shortest decimal form ("10", not "10.0");
// other values with up to 15 significant digits.
std::string FloatToText(double value);

}  // namespace haltwise
