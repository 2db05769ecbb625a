#pragma once
#include <cstdint>

#include "platform/shell.h"

namespace haltwise {

// ShellExecuteW with no verb. The owner window is an opaque HWND value that
// the UI sets once its main window exists (0 until then: no owner).
class Win32Shell : public Shell {
 public:
  void SetOwnerWindow(std::uintptr_t window) { owner_ = window; }

  std::intptr_t Execute(const std::string& file, const std::string& parameters,
                        const std::string& directory, int showCommand) override;

 private:
  std::uintptr_t owner_ = 0;
};

}  // namespace haltwise
