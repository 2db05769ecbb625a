#include "widgets/timer_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace haltwise {
namespace {

TEST(TimerQueue, FiresEachTimerAtItsIntervalInTimeOrder) {
  std::uint64_t clock = 0;
  TimerQueue queue([&](std::uint32_t ms) { clock += ms; });
  Timer fast("fast", 300, true), slow("slow", 1000, true);
  std::vector<std::string> fired;
  fast.OnTimer = [&] { fired.push_back("fast@" + std::to_string(clock)); };
  slow.OnTimer = [&] { fired.push_back("slow@" + std::to_string(clock)); };
  queue.Add(fast);
  queue.Add(slow);
  queue.Advance(1000);
  EXPECT_EQ(fired, (std::vector<std::string>{"fast@300", "fast@600", "fast@900", "slow@1000"}));
  EXPECT_EQ(clock, 1000u);
}

TEST(TimerQueue, ReEnablingRestartsTheIntervalAndHandlersMayNestAdvance) {
  std::uint64_t clock = 0;
  TimerQueue queue([&](std::uint32_t ms) { clock += ms; });
  Timer outer("outer", 1000, true), inner("inner", 1000, false);
  int innerTicks = 0;
  inner.OnTimer = [&] { ++innerTicks; };
  outer.OnTimer = [&] {
    outer.SetEnabled(false);
    inner.SetEnabled(true);
    queue.Advance(3000);  // a modal loop inside the handler
  };
  queue.Add(outer);
  queue.Add(inner);
  queue.Advance(1000);
  EXPECT_EQ(innerTicks, 3);
  EXPECT_EQ(clock, 4000u);
}

}  // namespace
}  // namespace haltwise
