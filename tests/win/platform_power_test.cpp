#include <gtest/gtest.h>

#include "app/keep_awake.h"
#include "platform/win32/win32_power.h"
#include "platform/win_constants.h"

// Only the harmless calls: a power request, the thread's execution state and
// the capabilities. Nothing here ends the session or powers anything down.
namespace haltwise {
namespace {

// The thread's lasting execution state, read by setting it and putting it
// back.
std::uint32_t ExecutionState(Power& power) {
  const std::uint32_t state = power.SetThreadExecutionState(win::kEsContinuous);
  power.SetThreadExecutionState(state);
  return state;
}

TEST(Win32Power, PowerRequestIsTakenAndGivenBack) {
  Win32Power power;
  const PowerRequestHandle request = power.PowerCreateRequest("Haltwise test request");
  const bool hasPowerRequests = request != kInvalidPowerRequest;
  if (hasPowerRequests) {
    EXPECT_TRUE(power.PowerSetRequest(request, win::kPowerRequestSystemRequired));
    EXPECT_TRUE(power.PowerClearRequest(request, win::kPowerRequestSystemRequired));
    EXPECT_TRUE(power.CloseHandle(request));
  } else {
    // Wine's PowerCreateRequest is a stub (ERROR_CALL_NOT_IMPLEMENTED): the
    // holder must keep the machine awake by the older call instead.
    EXPECT_EQ(power.LastError(), 120);
  }

  KeepAwake keepAwake(power);
  keepAwake.Hold("Haltwise is waiting to shut down the computer");
  EXPECT_TRUE(keepAwake.Held());
  if (!hasPowerRequests) {
    EXPECT_EQ(ExecutionState(power), win::kEsContinuous | win::kEsSystemRequired);
  }
  keepAwake.Release();
  EXPECT_FALSE(keepAwake.Held());
  EXPECT_EQ(ExecutionState(power) & win::kEsSystemRequired, 0u);
}

TEST(Win32Power, CapabilitiesAreRead) {
  Win32Power power;
  PowerCapabilities capabilities;
  EXPECT_TRUE(power.GetPwrCapabilities(&capabilities)) << power.LastError();
}

}  // namespace
}  // namespace haltwise
