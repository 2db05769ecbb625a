#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace haltwise {

// One "name(argument);" of an animation script line.
struct ScriptStatement {
  std::string name;  // lower case, at most 25 characters
  std::int32_t argument = 0;
};

struct ScriptLine {
  std::vector<ScriptStatement> statements;
  // Set when an argument is not an integer; then no statement may run.
  std::string error;
};

// Parses one script line: its first and last characters are delimiters;
// the rest, in lower case and trimmed, holds as many statements as the
// whole line has ";" (at most 255), each "name(integer);" with no blank
// before "(". Text after the last ";" is ignored.
ScriptLine ParseScriptLine(std::string_view line);

}  // namespace haltwise
