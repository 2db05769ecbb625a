#include "app/advance_warnings.h"

#include <utility>
#include <vector>

#include "app_fixture.h"

namespace haltwise::testing {
namespace {

// Checks once a second from arming until the action, as the check timer
// does; returns (ms left, minutes announced) for each warning given.
std::vector<std::pair<std::int64_t, int>> WarningsOfARun(std::int64_t msLeftAtArming) {
  AdvanceWarnings warnings;
  warnings.Arm(msLeftAtArming);
  std::vector<std::pair<std::int64_t, int>> given;
  for (std::int64_t left = msLeftAtArming - 1000; left > -2000; left -= 1000) {
    if (const auto minutes = warnings.Take(left)) given.emplace_back(left, *minutes);
  }
  return given;
}

TEST(AdvanceWarnings, FiveAndOneMinuteAheadButNeverBeforeArming) {
  using Given = std::vector<std::pair<std::int64_t, int>>;
  const std::pair<std::int64_t, Given> cases[] = {
      {602000, {{300000, 5}, {60000, 1}}},  // a 10-minute count-down
      {302000, {{300000, 5}, {60000, 1}}},  // 5 minutes: the first warning 2 s after arming
      {300000, {{299000, 5}, {60000, 1}}},  // the 5-minute moment is the arming itself
      {182000, {{60000, 1}}},               // 3 minutes
      {62000, {{60000, 1}}},                // 1 minute: the warning 2 s after arming
      {50000, {}},                          // scheduled 50 s ahead
      {0, {}},
  };
  for (const auto& [armedWith, expected] : cases) {
    EXPECT_EQ(WarningsOfARun(armedWith), expected) << armedWith;
  }
}

TEST(AdvanceWarnings, ALateCheckGivesOnlyTheNearestWarningWithTheTimeReallyLeft) {
  AdvanceWarnings warnings;
  warnings.Arm(600000);
  EXPECT_EQ(warnings.Take(400000), std::nullopt);
  EXPECT_EQ(warnings.Take(100500), 2);  // the 5-minute moment passed while nobody checked
  EXPECT_EQ(warnings.Take(59000), 1);
  EXPECT_EQ(warnings.Take(30000), std::nullopt);

  warnings.Arm(600000);
  EXPECT_EQ(warnings.Take(30000), 1);  // both passed: one balloon
  EXPECT_EQ(warnings.Take(29000), std::nullopt);

  warnings.Arm(600000);
  EXPECT_EQ(warnings.Take(-500), std::nullopt);  // due already: the confirmation says it
  EXPECT_EQ(warnings.Take(-1500), std::nullopt);
}

TEST(AdvanceWarnings, ArmingAgainStartsOverAndClearEndsThem) {
  AdvanceWarnings warnings;
  warnings.Arm(120000);
  EXPECT_EQ(warnings.Take(60000), 1);
  warnings.Arm(600000);  // snoozed by 10 minutes
  EXPECT_EQ(warnings.Take(300000), 5);
  warnings.Clear();
  EXPECT_EQ(warnings.Take(60000), std::nullopt);
}

TEST(AdvanceWarningText, NamesTheActionTheTogglesChoose) {
  const auto text = [](ActionToggles toggles, int minutes) {
    return AdvanceWarningText(toggles, minutes).value_or("(none)");
  };
  EXPECT_EQ(text({.shutdown = true}, 5), "Haltwise will shut down the computer in 5 minutes.");
  EXPECT_EQ(text({.shutdown = true, .force = true}, 1),
            "Haltwise will shut down the computer in 1 minute.");
  EXPECT_EQ(text({.logOff = true}, 5), "Haltwise will log you off in 5 minutes.");
  EXPECT_EQ(text({.reboot = true}, 1), "Haltwise will reboot the computer in 1 minute.");
  EXPECT_EQ(text({.suspend = true}, 5), "Haltwise will suspend the computer in 5 minutes.");
  EXPECT_EQ(text({.hibernate = true}, 2), "Haltwise will hibernate the computer in 2 minutes.");
  EXPECT_EQ(text({}, 5), "(none)");
}

// The balloons of a whole watch on the window: (seconds after arming, what
// was shown) for each.
class WarningBalloons : public AppFixture {
 protected:
  std::vector<std::pair<int, std::string>> Run(const std::string& arguments, int seconds) {
    Recreate(arguments);
    form->FormCreate();
    notifier.shown.clear();
    host.requests.clear();
    form->btnStart.UserClick();
    std::vector<std::pair<int, std::string>> seen;
    for (int second = 1; second <= seconds; ++second) {
      AdvanceSeconds(1);
      for (const std::string& s : notifier.shown) {
        if (s.find("Haltwise will") != std::string::npos) seen.emplace_back(second, s);
      }
      for (const std::string& r : host.requests) {
        if (r.find("Haltwise will") != std::string::npos) seen.emplace_back(second, r);
      }
      notifier.shown.clear();
      host.requests.clear();
    }
    return seen;
  }
};

TEST_F(WarningBalloons, ATimeWatchWarnsFiveAndOneMinuteBeforeItsAction) {
  using Seen = std::vector<std::pair<int, std::string>>;
  EXPECT_EQ(
      Run("MODE=COUNTDOWN MINUTES=10 ACTION=SHUTDOWN /testonly", 600),
      (Seen{{302, "balloon[btnStart,10000]: Haltwise will shut down the computer in 5 minutes."},
            {542, "balloon[btnStart,10000]: Haltwise will shut down the computer in 1 minute."}}));
  // Three minutes: the five-minute moment lies before the start.
  EXPECT_EQ(Run("MODE=COUNTDOWN MINUTES=3 ACTION=LOGOFF /testonly", 180),
            (Seen{{122, "balloon[btnStart,10000]: Haltwise will log you off in 1 minute."}}));
  EXPECT_EQ(Run("MODE=COUNTDOWN MINUTES=10 ACTION=SHUTDOWN WARN=NO /testonly", 600), Seen{});
  EXPECT_EQ(Run("MODE=COUNTDOWN MINUTES=10 ACTION=SHUTDOWN WARN=no /testonly", 600), Seen{});
  // Load watches have no moment to warn of.
  EXPECT_EQ(Run("MODE=IDLETIME MINUTES=6 ACTION=SHUTDOWN /testonly", 400), Seen{});
}

TEST_F(WarningBalloons, AScheduledWatchWarnsToo) {
  Recreate("ACTION=HIBERNATE /testonly");
  form->FormCreate();
  form->DateSched.UserChange(clock.Now());
  form->TimeSched.SetValue(clock.Now() + EncodeTime(0, 4, 0, 0));  // 12:04:00
  form->btnSched.UserClick();
  form->btnStart.UserClick();
  notifier.shown.clear();
  AdvanceSeconds(179);
  EXPECT_TRUE(notifier.shown.empty());
  AdvanceSeconds(1);  // 12:03:00
  ASSERT_EQ(notifier.shown.size(), 1u);
  EXPECT_EQ(notifier.shown[0],
            "balloon[btnStart,10000]: Haltwise will hibernate the computer in 1 minute.");
}

// Hidden in the notification area, the window has no control to point at:
// the balloon comes from the icon.
TEST_F(WarningBalloons, FromTheIconWhileTheWindowIsHidden) {
  Recreate("MODE=COUNTDOWN MINUTES=2 ACTION=REBOOT /testonly");
  form->FormCreate();
  form->btnStart.UserClick();
  form->btnHide.UserClick();
  notifier.shown.clear();
  host.requests.clear();
  AdvanceSeconds(62);
  EXPECT_EQ(host.requests,
            std::vector<std::string>{
                "tray balloon Haltwise: Haltwise will reboot the computer in 1 minute."});
  for (const std::string& s : notifier.shown) EXPECT_EQ(s.find("balloon"), std::string::npos) << s;
}

}  // namespace
}  // namespace haltwise::testing
