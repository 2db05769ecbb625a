#include "platform/win32/system_message.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

#include "platform/text.h"

namespace haltwise {

std::string FormatSystemMessage(long code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  if (length == 0 || text == nullptr) return {};
  std::string message = Trim(Narrow({text, length}));
  LocalFree(text);
  return message;
}

}  // namespace haltwise
