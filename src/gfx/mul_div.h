#pragma once
#include <cstdint>

namespace haltwise {

// Windows' MulDiv: number * numerator / denominator with a 64-bit product,
// rounded to the nearest integer with halves away from zero. Returns -1
// when the denominator is 0 or the result does not fit 32 bits.
std::int32_t MulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator);

}  // namespace haltwise
