// The divider calculation and the shown frequency, from the rational values of
// the operands: no floating-point arithmetic beyond taking floats apart.
#pragma once

#include <cstdint>

namespace delartal::reference {

struct DividerSteps {
  float a;               // f / 2 less the offset, in single precision
  float q;               // a / step through a 64-bit significand, in single precision
  std::int64_t divider;  // floor(q + 1/2), held within ±2^62
};

// For a finite frequency in MHz and variant 1 or 2.
DividerSteps divider_steps(float f, int variant);

// |f| * 10^4 to the nearest whole number, halves away from zero, for |f| < 2^40.
std::uint64_t ten_thousandths(float f);

}  // namespace delartal::reference
