#include "platform/win32/win32_shell.h"

#include "platform/win32/windows_api.h"
#include <shellapi.h>

namespace haltwise {
namespace {

const char* TextOrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

std::intptr_t Win32Shell::Execute(const std::string& file, const std::string& parameters,
                                  const std::string& directory, int showCommand) {
  const HINSTANCE result =
      ShellExecuteA(reinterpret_cast<HWND>(owner_), nullptr, TextOrNull(file),
                    TextOrNull(parameters), TextOrNull(directory), showCommand);
  return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace haltwise
