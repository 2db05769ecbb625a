#include "config/command_line.h"

#include "platform/text.h"

namespace haltwise {

namespace {

// What follows the program's path, which Windows reads as the first
// argument: up to the closing quote when it starts with one, else up to the
// first blank.
std::string AfterProgramPath(const std::string& text) {
  const std::size_t end =
      !text.empty() && text[0] == '"' ? text.find('"', 1) : text.find_first_of(" \t");
  return end == std::string::npos ? std::string() : text.substr(end + 1);
}

}  // namespace

CommandLine::CommandLine(const std::string& text, std::vector<std::string> arguments)
    : text_(AfterProgramPath(text)),
      upperText_(UpperCaseAscii(text_)),
      arguments_(std::move(arguments)) {}

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
