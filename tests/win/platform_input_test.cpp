#include <gtest/gtest.h>

#include "platform/win32/win32_input_activity.h"
#include "platform/win32/windows_api.h"

namespace haltwise {
namespace {

// A mouse event of our own is the session's latest input: the idle time
// measured right after it is short, and never "in the future" (which a
// difference taken the wrong way round, or not modulo 2^32, would give).
TEST(Win32InputActivity, LastInputFollowsInputSentToTheSession) {
  Win32InputActivity input;
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dwFlags = MOUSEEVENTF_MOVE;
  ASSERT_EQ(SendInput(1, &move, sizeof move), 1u);
  const auto idle = InputIdleMs(input, GetTickCount());
  ASSERT_TRUE(idle.has_value()) << input.LastError();
  EXPECT_LT(*idle, 2000u);
}

}  // namespace
}  // namespace haltwise
