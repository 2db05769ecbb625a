#include "perf/perf_errors.h"

#include "platform/text.h"
#include "platform/win_constants.h"

namespace haltwise {

std::int32_t StrToInt(const std::string& text) {
  const auto value = TryStrToInt(text);
  if (!value) throw Error("'" + text + "' is not a valid integer value");
  return *value;
}

Error ListIndexError(int index) {
  return Error("List index out of bounds (" + std::to_string(index) + ")");
}

std::string SystemErrorText(long code) {
  switch (code) {
    case win::kErrorFileNotFound:
      return "The system cannot find the file specified.";
    case win::kErrorAccessDenied:
      return "Access is denied.";
    case win::kErrorInvalidHandle:
      return "The handle is invalid.";
    case win::kErrorNotEnoughMemory:
      return "Not enough memory resources are available to process this command.";
    case win::kErrorInvalidParameter:
      return "The parameter is incorrect.";
    case win::kErrorMoreData:
      return "More data is available.";
    default:
      return "System error " + std::to_string(code) + ".";
  }
}

}  // namespace haltwise
