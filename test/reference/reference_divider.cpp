#include "reference_divider.hpp"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>

#include "big_uint.hpp"
#include "exact_rounding.hpp"

namespace delartal::reference {
namespace {

// A finite binary value, sign apart: magnitude * 2^exponent.
struct Exact {
  bool negative = false;
  BigUint magnitude;
  std::int64_t exponent = 0;
};

// frexp and ldexp only move the exponent, so the 53 bits come out exactly.
constexpr std::int64_t divider_bound = std::int64_t{1} << 62;

Exact exact(double value) {
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &exponent);
  const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  return {value < 0, BigUint(significand), std::int64_t{exponent} - 53};
}

Exact difference(Exact x, Exact y) {
  const std::int64_t exponent = std::min(x.exponent, y.exponent);
  x.magnitude.shift_left(static_cast<std::size_t>(x.exponent - exponent));
  y.magnitude.shift_left(static_cast<std::size_t>(y.exponent - exponent));
  if (x.negative != y.negative) return {x.negative, x.magnitude.add(y.magnitude), exponent};
  if (compare(x.magnitude, y.magnitude) >= 0) {
    return {x.negative, x.magnitude.subtract(y.magnitude), exponent};
  }
  return {!x.negative, y.magnitude.subtract(x.magnitude), exponent};
}

float to_float(const Exact& x) {
  return round_to_float(round_to_bits(x.magnitude, BigUint(1), x.exponent, 24, -149), x.negative);
}

// floor(x + 1/2) for x = ±m * 2^e, held within ±2^62: with 2x = ±m * 2^(e + 1),
// this is floor((2x + 1) / 2).
std::int64_t nearest_half_up(const Exact& x) {
  constexpr std::int64_t bound = divider_bound;
  BigUint twice = x.magnitude;
  const std::int64_t exponent = x.exponent + 1;
  if (exponent >= 0) {
    // A whole number.
    if (static_cast<std::int64_t>(twice.bit_length()) + exponent > 62) {
      return x.negative ? -bound : bound;
    }
    twice.shift_left(static_cast<std::size_t>(exponent));
    const auto value = static_cast<std::int64_t>(twice.to_u64() / 2);
    return x.negative ? -value : value;
  }
  // 2|x| = twice / 2^k. Positive: floor((twice + 2^k) / 2^(k+1)). Negative:
  // floor((2^k - twice) / 2^(k+1)) = -ceil((twice - 2^k) / 2^(k+1)).
  const auto k = static_cast<std::size_t>(-exponent);
  BigUint unit(1);
  unit.shift_left(k);
  if (!x.negative) {
    return static_cast<std::int64_t>(twice.add(unit).shift_right(k + 1).to_u64());
  }
  if (compare(twice, unit) <= 0) return 0;
  BigUint excess = twice.subtract(unit);
  const bool whole = !excess.any_bit_below(k + 1);
  const auto value =
      static_cast<std::int64_t>(excess.shift_right(k + 1).to_u64()) + (whole ? 0 : 1);
  return -value;
}

}  // namespace

DividerSteps divider_steps(float f, int variant) {
  assert((variant == 1 || variant == 2) && std::isfinite(f));
  const double offset = variant == 1 ? 70.2 : 70.1;
  const double step = 0.00625;

  Exact half = exact(f);
  --half.exponent;
  const float a = to_float(difference(half, exact(offset)));

  const Exact numerator = exact(a);
  const Exact denominator = exact(step);
  const Dyadic quotient = round_to_extended(numerator.magnitude, denominator.magnitude,
                                            numerator.exponent - denominator.exponent);
  const float q = round_to_float(quotient, numerator.negative);
  if (std::isinf(q)) return {a, q, q < 0 ? -divider_bound : divider_bound};
  return {a, q, nearest_half_up(exact(q))};
}

std::uint64_t ten_thousandths(float f) {
  assert(std::isfinite(f) && std::fabs(f) < 0x1p40F);
  // |f| * 10^4 + 1/2, truncated.
  Exact shown = exact(f);
  BigUint& scaled = shown.magnitude.multiply_add(10000, 0);
  if (shown.exponent >= 0) {
    return scaled.shift_left(static_cast<std::size_t>(shown.exponent)).to_u64();
  }
  const auto k = static_cast<std::size_t>(-shown.exponent);
  BigUint half_unit(1);
  half_unit.shift_left(k - 1);
  return scaled.add(half_unit).shift_right(k).to_u64();
}

}  // namespace delartal::reference
