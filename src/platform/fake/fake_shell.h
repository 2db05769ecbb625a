#pragma once
#include "platform/fake/fake_seam.h"
#include "platform/shell.h"

namespace haltwise::fake {

// Records what would have been opened; fails with a shell error code
// (SE_ERR_*, 32 or below) when told to.
class FakeShell : public Shell, public FakeSeam {
 public:
  std::intptr_t Execute(const std::string& file, const std::string& parameters,
                        const std::string& directory, int showCommand) override {
    if (auto error = Enter("ShellExecute", file + "|" + parameters + "|" + directory + "|" +
                                               std::to_string(showCommand))) {
      return static_cast<std::intptr_t>(*error);
    }
    return 42;
  }
};

}  // namespace haltwise::fake
