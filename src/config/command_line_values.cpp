#include "config/command_line_values.h"

#include "platform/text.h"

namespace haltwise {
namespace {

// Characters `from` (counted from 1) up to `from + length - 1`, as far as
// the text goes.
std::optional<int> Piece(std::string_view value, std::size_t from, std::size_t length) {
  if (from - 1 >= value.size()) return std::nullopt;
  return TryStrToIntStrict(value.substr(from - 1, length));
}

}  // namespace

std::optional<DateTime> ParseCommandLineDate(std::string_view value) {
  const auto day = Piece(value, 7, 2);
  const auto month = Piece(value, 5, 2);
  const auto year = Piece(value, 1, 4);
  if (!day || !month || !year || !IsValidDate(*year, *month, *day)) return std::nullopt;
  return EncodeDate(*year, *month, *day);
}

std::optional<DateTime> ParseCommandLineTime(std::string_view value) {
  const auto second = Piece(value, 5, 2);
  const auto minute = Piece(value, 3, 2);
  const auto hour = Piece(value, 1, 2);
  if (!second || !minute || !hour || !IsValidTime(*hour, *minute, *second, 0)) return std::nullopt;
  return EncodeTime(*hour, *minute, *second, 0);
}

std::optional<bool> ParseYesNo(std::string_view value) {
  const std::string upper = UpperCaseAscii(value);
  if (upper == "YES") return true;
  if (upper == "NO") return false;
  return std::nullopt;
}

std::optional<int> ParseSnoozeMinutes(std::string_view value) {
  const auto minutes = TryStrToIntStrict(value);
  if (!minutes || *minutes < 0 || *minutes > kMaxSnoozeMinutes) return std::nullopt;
  return minutes;
}

}  // namespace haltwise
