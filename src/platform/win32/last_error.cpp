#include "platform/win32/last_error.h"

#include "platform/win32/windows_api.h"

namespace haltwise {

bool LastErrorKeeper::Track(bool succeeded) {
  if (!succeeded) code_ = static_cast<long>(GetLastError());
  return succeeded;
}

}  // namespace haltwise
