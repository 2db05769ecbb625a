#include "gfx/mul_div.h"

#include <cstdlib>
#include <limits>

namespace haltwise {

std::int32_t MulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator) {
  if (denominator == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
  std::int64_t quotient = product / denominator;
  const std::int64_t remainder = product % denominator;
  if (2 * std::llabs(remainder) >= std::llabs(static_cast<std::int64_t>(denominator))) {
    quotient += ((product < 0) != (denominator < 0)) ? -1 : 1;
  }
  if (quotient < std::numeric_limits<std::int32_t>::min() ||
      quotient > std::numeric_limits<std::int32_t>::max()) {
    return -1;
  }
  return static_cast<std::int32_t>(quotient);
}

}  // namespace haltwise
