#include "exact_arith.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "binary_rounding.hpp"
#include "float_bits.hpp"

namespace delartal {
namespace {

// 0.00625 as the nearest double: 0x1999999999999A * 2^-60.
constexpr std::uint64_t step_significand = 0x1999999999999A;
constexpr int step_exponent = -60;

int bit_length(std::uint64_t x) {
  int length = 0;
  for (; x != 0; x >>= 1) ++length;
  return length;
}

}  // namespace

std::optional<float> halved_less_offset(float f, std::uint64_t offset) {
  if (!(f >= 64.0F && f < 1024.0F)) return std::nullopt;
  // In units of 2^-47: f / 2 = magnitude * 2^(exponent + 46), below 2^56 here,
  // and the offset doubled, below 2^54.
  const SplitFloat parts = split(f);
  const auto half_f =
      static_cast<std::int64_t>(std::uint64_t{parts.magnitude} << (parts.exponent + 46));
  const std::int64_t difference = half_f - static_cast<std::int64_t>(2 * offset);
  if (difference == 0) return 0.0F;

  const std::uint64_t magnitude = difference < 0
                                      ? std::uint64_t{0} - static_cast<std::uint64_t>(difference)
                                      : static_cast<std::uint64_t>(difference);
  const int length = bit_length(magnitude);
  Extended exact;
  exact.negative = difference < 0;
  exact.significand = magnitude << (64 - length);
  exact.exponent = length - 1 - 47;
  return round_to_float(exact);
}

float per_step(float a) {
  if (!std::isfinite(a) || a == 0.0F) return a;  // their own quotients
  // a / step = (magnitude / step_significand) * 2^(exponent - step_exponent),
  // the magnitude below 2^24 and the step's significand from 2^52 to 2^53.
  // Scaled by 2^shift, the magnitude's quotient lies in [1, 2): its leading 1
  // is taken at once, and the 63 bits after it ten at a time, which keeps
  // the remainder, below the divisor, under 2^63.
  const SplitFloat parts = split(a);
  std::uint64_t remainder = parts.magnitude;
  int shift = bit_length(step_significand) - bit_length(remainder);
  if ((remainder << shift) < step_significand) ++shift;
  remainder = (remainder << shift) - step_significand;
  std::uint64_t head = 1;
  for (int bits = 1; bits < 64;) {
    const int take = std::min(10, 64 - bits);
    remainder <<= take;
    head = head << take | remainder / step_significand;
    remainder %= step_significand;
    bits += take;
  }
  Truncated quotient;
  quotient.head = {parts.negative, head, parts.exponent - step_exponent - shift};
  remainder <<= 1;
  quotient.round = remainder >= step_significand;
  if (quotient.round) remainder -= step_significand;
  quotient.sticky = remainder != 0;
  return round_to_float(round_to_extended(quotient));
}

std::int32_t nearest_half_up(float q) {
  constexpr float limit = 2147483648.0F;  // 2^31
  if (!(q < limit)) return std::numeric_limits<std::int32_t>::max();
  if (q <= -limit) return std::numeric_limits<std::int32_t>::min();
  const SplitFloat parts = split(q);
  const std::int64_t magnitude = parts.magnitude;
  if (parts.exponent >= 0) {  // a whole number already, below 2^31
    const std::int64_t whole = magnitude << parts.exponent;
    return static_cast<std::int32_t>(parts.negative ? -whole : whole);
  }
  const int shift = -parts.exponent;
  if (shift > 26) return 0;  // |q| < 2^-3
  const std::int64_t half = std::int64_t{1} << (shift - 1);
  if (!parts.negative) return static_cast<std::int32_t>((magnitude + half) >> shift);
  // floor(-m + 1/2) = -ceil(m - 1/2); m - 1/2 in units of 2^-shift is above -2^shift.
  const std::int64_t less_half = magnitude - half;
  if (less_half <= 0) return 0;
  const std::int64_t up = (less_half + (std::int64_t{1} << shift) - 1) >> shift;
  return static_cast<std::int32_t>(-up);
}

std::uint64_t ten_thousandths(float f) {
  if (!(std::fabs(f) < 0x1p40F)) return std::numeric_limits<std::uint64_t>::max();
  const SplitFloat parts = split(f);
  const std::uint64_t scaled = std::uint64_t{parts.magnitude} * 10000;  // below 2^38
  if (parts.exponent >= 0) return scaled << parts.exponent;             // below 2^54
  const int shift = -parts.exponent;
  if (shift > 40) return 0;  // below 2^-2
  return (scaled + (std::uint64_t{1} << (shift - 1))) >> shift;
}

}  // namespace delartal
