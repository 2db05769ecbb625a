#pragma once
#include <stdexcept>
#include <string>

namespace haltwise {

// The program's general error: carries the message text shown to the user.
// Every layer raises it (or a subclass) and documents who catches it.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

}  // namespace haltwise
