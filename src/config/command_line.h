#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shell.h"

namespace haltwise {

// The command line the process was started with: the text after the
// program's path for NAME=value parameters, and the separate arguments after
// the program's path for the "/" and "-" switches. The path is left out: a
// folder such as "C:\Updates" or "Modern Tools" would otherwise be read as
// DATE= or MODE= and refuse every start.
class CommandLine {
 public:
  CommandLine(const std::string& text, std::vector<std::string> arguments);

  // True when the name occurs anywhere in the upper-cased parameters.
  bool CmdLineHasParam(std::string_view name) const;
  // The text as typed from one character after the first occurrence of the
  // name (normally the "=") up to the next blank or the end; empty when
  // nothing follows or the name does not occur.
  std::string CmdLineParamValue(std::string_view name) const;
  // True when an argument after the program's path is "/" or "-" followed
  // by the name, compared without regard to case.
  bool HasSwitch(std::string_view name) const;

 private:
  std::string text_;
  std::string upperText_;
  std::vector<std::string> arguments_;
};

// Hands a file or address to the shell's default handling (no verb); empty
// texts are passed as none. Returns the shell's result (above 32 when it
// worked).
std::intptr_t ShellOpen(Shell& shell, const std::string& file, const std::string& parameters,
                        const std::string& directory, int showCommand);

}  // namespace haltwise
