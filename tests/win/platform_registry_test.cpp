#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/win32_registry.h"

namespace haltwise {
namespace {

constexpr char kScratch[] = "SOFTWARE\\Haltwise Tests\\Registry";

TEST(Win32Registry, CreatesThenReopensAKeyAndListsItUnderItsParent) {
  Win32Registry registry;
  ScopedRegKey first(registry);
  bool created = false;
  ASSERT_EQ(registry.CreateKeyEx(win::kHKeyLocalMachine, std::string(kScratch) + "\\Child",
                                 win::kKeyAllAccess, first.Receive(), &created),
            win::kErrorSuccess);
  ScopedRegKey second(registry);
  ASSERT_EQ(registry.CreateKeyEx(win::kHKeyLocalMachine, std::string(kScratch) + "\\Child",
                                 win::kKeyAllAccess, second.Receive(), &created),
            win::kErrorSuccess);
  EXPECT_FALSE(created);

  ScopedRegKey parent(registry);
  ASSERT_EQ(registry.OpenKeyEx(win::kHKeyLocalMachine, kScratch, win::kKeyRead, parent.Receive()),
            win::kErrorSuccess);
  char name[8];
  std::uint32_t size = sizeof name;
  ASSERT_EQ(registry.EnumKeyEx(parent.Get(), 0, name, &size), win::kErrorSuccess);
  EXPECT_STREQ(name, "Child");
  EXPECT_EQ(size, 5u);
  size = sizeof name;
  EXPECT_EQ(registry.EnumKeyEx(parent.Get(), 1, name, &size), win::kErrorNoMoreItems);
}

TEST(Win32Registry, MissingKeyAndMissingValueGiveFileNotFound) {
  Win32Registry registry;
  ScopedRegKey key(registry);
  EXPECT_EQ(registry.OpenKeyEx(win::kHKeyLocalMachine, "SOFTWARE\\Haltwise Tests\\No such key",
                               win::kKeyRead, key.Receive()),
            win::kErrorFileNotFound);
  EXPECT_FALSE(key.IsOpen());

  ASSERT_EQ(
      registry.OpenKeyEx(win::kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                         win::kKeyRead, key.Receive()),
      win::kErrorSuccess);
  std::uint32_t size = 0;
  EXPECT_EQ(registry.QueryValueEx(key.Get(), "No such value", nullptr, &size),
            win::kErrorFileNotFound);
}

TEST(Win32Registry, QueryReportsTheSizeNeededThenReadsTheValue) {
  Win32Registry registry;
  ScopedRegKey key(registry);
  ASSERT_EQ(
      registry.OpenKeyEx(win::kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                         win::kKeyRead, key.Receive()),
      win::kErrorSuccess);
  std::uint32_t size = 0;
  ASSERT_EQ(registry.QueryValueEx(key.Get(), "CurrentVersion", nullptr, &size), win::kErrorSuccess);
  ASSERT_GT(size, 1u);

  std::vector<std::uint8_t> small(1);
  std::uint32_t smallSize = 1;
  EXPECT_EQ(registry.QueryValueEx(key.Get(), "CurrentVersion", small.data(), &smallSize),
            win::kErrorMoreData);

  std::vector<std::uint8_t> data(size);
  ASSERT_EQ(registry.QueryValueEx(key.Get(), "CurrentVersion", data.data(), &size),
            win::kErrorSuccess);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(data.data())).find('.'), 1u);

  std::uint32_t largest = 0;
  ASSERT_EQ(registry.QueryInfoKey(key.Get(), &largest), win::kErrorSuccess);
  EXPECT_GE(largest, size);
}

// The performance key answers with a data block that starts with the
// UTF-16 signature "PERF"; a buffer that is too small asks for more.
TEST(Win32Registry, PerformanceDataGrowsUntilTheBlockFits) {
  Win32Registry registry;
  std::vector<std::uint8_t> buffer(8);
  long status = win::kErrorMoreData;
  for (int attempt = 0; attempt < 20 && status == win::kErrorMoreData; ++attempt) {
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
    status = registry.QueryValueEx(win::kHKeyPerformanceData, "238", buffer.data(), &size);
    if (status == win::kErrorMoreData) buffer.resize(buffer.size() * 2);
  }
  registry.CloseKey(win::kHKeyPerformanceData);
  ASSERT_EQ(status, win::kErrorSuccess);
  EXPECT_EQ(std::memcmp(buffer.data(), u"PERF", 8), 0);
}

}  // namespace
}  // namespace haltwise
