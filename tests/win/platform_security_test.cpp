#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_security.h"
#include "platform/win_constants.h"

namespace haltwise {
namespace {

// The calls that precede every power action, short of the action itself.
TEST(Win32Security, EnablesTheShutdownPrivilegeOnTheProcessToken) {
  Win32Security security;
  TokenHandle token = 0;
  ASSERT_TRUE(security.OpenProcessToken(win::kTokenAdjustPrivileges | win::kTokenQuery, &token));
  Luid luid;
  EXPECT_TRUE(security.LookupPrivilegeValue("SeShutdownPrivilege", &luid));
  EXPECT_NE(luid.lowPart, 0u);
  EXPECT_TRUE(security.AdjustTokenPrivileges(token, luid, win::kSePrivilegeEnabled));
  EXPECT_TRUE(security.CloseHandle(token));
}

TEST(Win32Security, UnknownPrivilegeFailsWithTheSystemsCode) {
  Win32Security security;
  Luid luid;
  EXPECT_FALSE(security.LookupPrivilegeValue("SeNoSuchPrivilege", &luid));
  EXPECT_NE(security.LastError(), 0);
}

TEST(Win32Security, TokenUserTooSmallReportsTheSizeNeeded) {
  Win32Security security;
  TokenHandle token = 0;
  ASSERT_TRUE(security.OpenProcessToken(win::kTokenQuery, &token));
  std::uint32_t needed = 0;
  std::uintptr_t tiny[1];
  ASSERT_FALSE(security.GetTokenInformation(token, win::kTokenUser, tiny, sizeof tiny, &needed));
  EXPECT_EQ(security.LastError(), win::kErrorInsufficientBuffer);
  ASSERT_GT(needed, 2 * sizeof(void*));

  std::vector<std::uintptr_t> buffer(needed / sizeof(std::uintptr_t) + 1);
  std::uint32_t written = 0;
  ASSERT_TRUE(
      security.GetTokenInformation(token, win::kTokenUser, buffer.data(), needed, &written));
  EXPECT_EQ(written, needed);
  // The SID's address points into the same buffer.
  const auto begin = reinterpret_cast<std::uintptr_t>(buffer.data());
  EXPECT_GE(buffer[0], begin);
  EXPECT_LT(buffer[0], begin + needed);
  EXPECT_TRUE(security.CloseHandle(token));
}

}  // namespace
}  // namespace haltwise
