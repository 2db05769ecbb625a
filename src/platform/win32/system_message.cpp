#include "platform/win32/system_message.h"

#include "platform/win32/windows_api.h"

#include "platform/text.h"

namespace haltwise {

std::string FormatSystemMessage(long code) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<char*>(&text), 0, nullptr);
  if (length == 0 || text == nullptr) return {};
  std::string message = Trim(std::string_view(text, length));
  LocalFree(text);
  return message;
}

}  // namespace haltwise
