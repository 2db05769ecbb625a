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

TEST(Win32Security, TooSmallBuffersReportTheSizesNeeded) {
  Win32Security security;
  char tiny[1];
  std::uint32_t size = sizeof tiny;
  ASSERT_FALSE(security.GetUserName(tiny, &size));
  EXPECT_EQ(security.LastError(), win::kErrorInsufficientBuffer);
  ASSERT_GT(size, 1u);

  std::string name(size, '\0');
  ASSERT_TRUE(security.GetUserName(name.data(), &size));
  name.resize(name.find('\0'));

  std::uint8_t sidByte[1];
  char domainByte[1];
  std::uint32_t sidSize = 0, domainSize = 0;
  ASSERT_FALSE(security.LookupAccountName(name, sidByte, &sidSize, domainByte, &domainSize));
  EXPECT_EQ(security.LastError(), win::kErrorInsufficientBuffer);
  std::vector<std::uint8_t> sid(sidSize);
  std::vector<char> domain(domainSize + 1);
  ASSERT_TRUE(security.LookupAccountName(name, sid.data(), &sidSize, domain.data(), &domainSize));
  EXPECT_EQ(sid[0], 1);  // SID revision
}

}  // namespace
}  // namespace haltwise
