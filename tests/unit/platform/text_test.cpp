#include "platform/text.h"

#include <gtest/gtest.h>

namespace haltwise {
namespace {

TEST(Text, IntegerTextFormsOfThePlatform) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> expected;
  };
  const Case cases[] = {
      {"42", 42},
      {"  -7", -7},
      {"+5", 5},
      {"$FF", 255},
      {"0x10", 16},
      {"x1F", 31},
      {"$FFFFFFFF", -1},
      {"", std::nullopt},
      {"12abc", std::nullopt},
      {"1 ", std::nullopt},
      {"$", std::nullopt},
      {"2147483648", std::nullopt},
      {"-2147483648", -2147483647 - 1},
  };
  for (const Case& c : cases) EXPECT_EQ(TryStrToInt(c.text), c.expected) << c.text;
}

TEST(Text, StrictIntegersAreASignAndDigitsOnly) {
  EXPECT_EQ(TryStrToIntStrict("-15"), -15);
  EXPECT_EQ(TryStrToIntStrict("$10"), std::nullopt);
  EXPECT_EQ(TryStrToIntStrict(" 1"), std::nullopt);
  EXPECT_EQ(TryStrToIntStrict(""), std::nullopt);
}

TEST(Text, UpperCasesOnlyAsciiLettersAndTrimsControlCharacters) {
  EXPECT_EQ(UpperCaseAscii("mode=countdown \xE9"), "MODE=COUNTDOWN \xE9");
  EXPECT_EQ(Trim("\t  abc \r\n"), "abc");
  EXPECT_EQ(FloatToText(10.0), "10");
  EXPECT_EQ(FloatToText(-3.0), "-3");
  EXPECT_EQ(FloatToText(2.5), "2.5");
}

// Only ASCII letters match across case: "[" and "{" differ by the same bit.
TEST(Text, SameTextIgnoresTheCaseOfAsciiLettersOnly) {
  struct Case {
    const char* a;
    const char* b;
    bool same;
  };
  const Case cases[] = {
      {"Processor", "PROCESSOR", true},
      {"", "", true},
      {"abc", "abd", false},
      {"ab", "abc", false},
      {"a[", "A{", false},
      {"\xE9", "\xC9", false},
      {"Custom 1", "custom 1", true},
      {"x@", "X`", false},
  };
  for (const Case& c : cases) EXPECT_EQ(SameTextAscii(c.a, c.b), c.same) << c.a << " / " << c.b;
}

}  // namespace
}  // namespace haltwise
