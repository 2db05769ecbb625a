#include "gfx/mul_div.h"

#include <gtest/gtest.h>

namespace haltwise {
namespace {

TEST(GfxMulDiv, RoundsHalvesAwayFromZeroAndFailsAsWindowsDoes) {
  struct Case {
    std::int32_t number, numerator, denominator, expected;
  };
  const Case cases[] = {
      {128, 34, 255, 17},              // 17.07
      {128, -119, 255, -60},           // -59.73
      {3, 1, 2, 2},                    // 1.5 up
      {-3, 1, 2, -2},                  // -1.5 down
      {3, 1, -2, -2},                  // a negative denominator flips the sign
      {5, 1, 4, 1},                    // 1.25
      {7, 1, 4, 2},                    // 1.75
      {0x7FFFFFFF, 2, 2, 0x7FFFFFFF},  // the 64-bit product does not overflow
      {0x7FFFFFFF, 2, 1, -1},          // the result does
      {5, 1, 0, -1},                   // division by zero
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
        << c.number << " * " << c.numerator << " / " << c.denominator;
  }
}

}  // namespace
}  // namespace haltwise
