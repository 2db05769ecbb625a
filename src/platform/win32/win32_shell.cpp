#include "platform/win32/win32_shell.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
// After <windows.h>:
#include <shellapi.h>

namespace haltwise {
std::intptr_t Win32Shell::Execute(const std::string& file, const std::string& parameters,
                                  const std::string& directory, int showCommand) {
  const std::wstring wideFile = Widen(file), wideParameters = Widen(parameters);
  const std::wstring wideDirectory = Widen(directory);
  const HINSTANCE result =
      ShellExecuteW(reinterpret_cast<HWND>(owner_), nullptr, TextOrNull(wideFile),
                    TextOrNull(wideParameters), TextOrNull(wideDirectory), showCommand);
  return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace haltwise
