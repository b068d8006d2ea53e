#include "exact_rounding.hpp"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

namespace delartal::reference {

Dyadic round_to_bits(const BigUint& numerator, const BigUint& denominator, std::int64_t scale,
                     int bits, std::int64_t lowest_exponent) {
  assert(bits >= 1 && bits <= 64 && !denominator.is_zero());
  if (numerator.is_zero()) return {};
  // The value lies in [2^(top - 1), 2^(top + 1)), so the result keeps no bit
  // below 2^(top - bits): working from 2^(top - bits - 2) leaves a round bit
  // and one more.
  const auto top = static_cast<std::int64_t>(numerator.bit_length()) -
                   static_cast<std::int64_t>(denominator.bit_length()) + scale;
  const std::int64_t work = top - bits - 2;
  BigUint scaled_numerator = numerator;
  BigUint scaled_denominator = denominator;
  if (scale >= work) {
    scaled_numerator.shift_left(static_cast<std::size_t>(scale - work));
  } else {
    scaled_denominator.shift_left(static_cast<std::size_t>(work - scale));
  }
  const Division division = divide(scaled_numerator, scaled_denominator);
  const BigUint& q = division.quotient;  // value / 2^work, truncated

  const std::int64_t highest = static_cast<std::int64_t>(q.bit_length()) - 1 + work;
  const std::int64_t lsb = std::max(highest - bits + 1, lowest_exponent);
  const auto dropped = static_cast<std::size_t>(lsb - work);
  BigUint kept = q;
  kept.shift_right(dropped);
  const bool round_bit = q.bit(dropped - 1);
  const bool sticky = !division.exact || q.any_bit_below(dropped - 1);
  Dyadic result{kept.to_u64(), lsb};
  if (round_bit && (sticky || (result.significand & 1U) != 0)) {
    // A carry out of the top bit shifts the result one place.
    if (result.significand == std::numeric_limits<std::uint64_t>::max() ||
        (bits < 64 && result.significand + 1 == std::uint64_t{1} << bits)) {
      result.significand = std::uint64_t{1} << (bits - 1);
      ++result.exponent;
    } else {
      ++result.significand;
    }
  }
  return result;
}

Dyadic round_to_extended(const BigUint& numerator, const BigUint& denominator, std::int64_t scale) {
  return round_to_bits(numerator, denominator, scale, 64, -16445);
}

float round_to_float(const Dyadic& magnitude, bool negative) {
  const Dyadic rounded =
      round_to_bits(BigUint(magnitude.significand), BigUint(1), magnitude.exponent, 24, -149);
  float value = std::numeric_limits<float>::infinity();
  if (rounded.significand == 0) {
    value = 0.0F;
  } else if (static_cast<std::int64_t>(BigUint(rounded.significand).bit_length()) - 1 +
                 rounded.exponent <=
             127) {
    // Both factors are exact floats and so is their product.
    value = std::ldexp(static_cast<float>(rounded.significand), static_cast<int>(rounded.exponent));
  }
  return negative ? -value : value;
}

}  // namespace delartal::reference
