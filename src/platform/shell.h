#pragma once
#include <cstdint>
#include <string>

namespace haltwise {

// ShellExecute with no verb, texts in UTF-8; empty texts are passed as no text. The result
// is the shell's instance value (greater than 32 on success).
class Shell {
 public:
  virtual ~Shell() = default;

  virtual std::intptr_t Execute(const std::string& file, const std::string& parameters,
                                const std::string& directory, int showCommand) = 0;
};

}  // namespace haltwise
