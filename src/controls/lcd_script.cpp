#include "controls/lcd_script.h"

#include <algorithm>

#include "platform/text.h"

namespace haltwise {

namespace {

constexpr std::size_t kMaxStatements = 255;
constexpr std::size_t kMaxNameLength = 25;

std::string LowerCaseAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

// The text after the name's "(" up to the statement's first ")"; empty
// when the ")" is missing or comes earlier.
std::string ArgumentOf(const std::string& statement, std::size_t nameLength) {
  const std::size_t start = nameLength + 1;
  const std::size_t close = statement.find(')');
  if (close == std::string::npos || close < start) return {};
  return statement.substr(start, close - start);
}

}  // namespace

ScriptLine ParseScriptLine(std::string_view line) {
  ScriptLine parsed;
  const std::size_t count = std::min<std::size_t>(
      static_cast<std::size_t>(std::count(line.begin(), line.end(), ';')), kMaxStatements);
  std::string rest = line.size() > 2 ? Trim(LowerCaseAscii(line.substr(1, line.size() - 2))) : "";
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t semicolon = rest.find(';');
    const std::string statement =
        semicolon == std::string::npos ? "" : Trim(rest.substr(0, semicolon + 1));
    const std::size_t paren = statement.find('(');
    std::string name = paren == std::string::npos ? "" : Trim(statement.substr(0, paren));
    name.resize(std::min(name.size(), kMaxNameLength));
    const std::string argument = ArgumentOf(statement, name.size());
    const auto value = TryStrToInt(argument);
    if (!value) {
      parsed.statements.clear();
      parsed.error = "'" + argument + "' is not a valid integer value";
      return parsed;
    }
    parsed.statements.push_back({name, *value});
    rest = Trim(std::string_view(rest).substr(statement.size()));
  }
  return parsed;
}

}  // namespace haltwise
