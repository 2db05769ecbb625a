#pragma once
#include <cstdint>
#include <optional>

namespace haltwise {

// When someone last used the keyboard or mouse in this session.
class InputActivity {
 public:
  virtual ~InputActivity() = default;

  // GetLastInputInfo: the tick count (GetTickCount's counter, which wraps at
  // 2^32) of the last input event. After a failure LastError() gives the
  // code that GetLastError would give.
  virtual bool GetLastInputInfo(std::uint32_t* lastInputTick) = 0;
  virtual long LastError() const = 0;
};

// Milliseconds without input at `nowTick`, modulo 2^32 like every tick
// difference, so a wrap of the counter between the input and now is
// harmless. None when the system could not say.
inline std::optional<std::uint32_t> InputIdleMs(InputActivity& input, std::uint32_t nowTick) {
  std::uint32_t lastInput = 0;
  if (!input.GetLastInputInfo(&lastInput)) return std::nullopt;
  return static_cast<std::uint32_t>(nowTick - lastInput);
}

}  // namespace haltwise
