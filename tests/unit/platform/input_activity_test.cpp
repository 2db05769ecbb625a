#include "platform/input_activity.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_input_activity.h"
#include "platform/win_constants.h"

namespace haltwise {
namespace {

TEST(InputIdleMs, CountsFromTheLastInputAcrossTheTickWrap) {
  fake::FakeInputActivity input;
  struct Case {
    std::uint32_t lastInput, now, idle;
  };
  const Case cases[] = {
      {1000, 1000, 0},
      {1000, 181000, 180000},
      {0xFFFFF000u, 0x00001000u, 0x2000u},  // input just before the wrap, now just after
  };
  for (const Case& c : cases) {
    input.lastInputTick = c.lastInput;
    EXPECT_EQ(InputIdleMs(input, c.now), c.idle) << c.lastInput << " " << c.now;
  }
}

TEST(InputIdleMs, IsUnknownWhenTheSystemCannotSay) {
  fake::FakeInputActivity input;
  input.FailCall("GetLastInputInfo", win::kErrorAccessDenied, 1);
  EXPECT_EQ(InputIdleMs(input, 5000), std::nullopt);
  EXPECT_EQ(input.LastError(), win::kErrorAccessDenied);
  EXPECT_EQ(InputIdleMs(input, 5000), 5000u);
}

}  // namespace
}  // namespace haltwise
