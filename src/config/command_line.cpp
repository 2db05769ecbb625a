#include "config/command_line.h"

#include "platform/text.h"

namespace haltwise {

CommandLine::CommandLine(std::string text, std::vector<std::string> arguments)
    : text_(std::move(text)), upperText_(UpperCaseAscii(text_)), arguments_(std::move(arguments)) {}

bool CommandLine::CmdLineHasParam(std::string_view name) const {
  return upperText_.find(UpperCaseAscii(name)) != std::string::npos;
}

std::string CommandLine::CmdLineParamValue(std::string_view name) const {
  const std::size_t found = upperText_.find(UpperCaseAscii(name));
  if (found == std::string::npos) return "";
  const std::size_t start = found + name.size() + 1;  // skips the "=", whatever it is
  if (start >= text_.size()) return "";
  const std::string value = text_.substr(start);
  return value.substr(0, value.find(' '));
}

bool CommandLine::HasSwitch(std::string_view name) const {
  for (const std::string& argument : arguments_) {
    if (!argument.empty() && (argument[0] == '/' || argument[0] == '-') &&
        SameTextAscii(std::string_view(argument).substr(1), name)) {
      return true;
    }
  }
  return false;
}

std::intptr_t ShellOpen(Shell& shell, const std::string& file, const std::string& parameters,
                        const std::string& directory, int showCommand) {
  return shell.Execute(file, parameters, directory, showCommand);
}

}  // namespace haltwise
