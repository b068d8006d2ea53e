#include "binary_rounding.hpp"

#include "float_bits.hpp"

namespace delartal {

Extended round_to_extended(const Truncated& value) {
  Extended rounded = value.head;
  const bool odd = (rounded.significand & 1U) != 0;
  if (value.round && (value.sticky || odd)) {
    ++rounded.significand;
    if (rounded.significand == 0) {  // carried out of the top bit
      rounded.significand = std::uint64_t{1} << 63;
      ++rounded.exponent;
    }
  }
  return rounded;
}

float round_to_float(const Extended& value) {
  constexpr int min_normal = -126;
  if (value.significand == 0) return signed_zero(value.negative);
  if (value.exponent > 127) return signed_infinity(value.negative);
  // Below 2^-150, half the smallest subnormal, everything rounds to zero.
  if (value.exponent < min_normal - 24) return signed_zero(value.negative);

  // Significant bits the float keeps at this exponent: 24, fewer when subnormal.
  const int kept_bits = value.exponent >= min_normal ? 24 : 24 - (min_normal - value.exponent);
  const int dropped = 64 - kept_bits;  // 40 to 64
  std::uint64_t kept = 0;
  std::uint64_t rest = value.significand;
  if (dropped < 64) {
    kept = value.significand >> dropped;
    rest = value.significand & ((std::uint64_t{1} << dropped) - 1);
  }
  const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
  if (rest > half || (rest == half && (kept & 1U) != 0)) ++kept;
  return assemble(value.negative, static_cast<std::uint32_t>(kept), value.exponent - kept_bits + 1);
}

Truncated BitCollector::result(bool negative, int first_bit_exponent) const {
  Truncated value;
  value.head.negative = negative;
  if (count_ == 0) return value;
  const int head_bits = count_ < 64 ? count_ : 64;
  value.head.significand = head_ << (64 - head_bits);
  value.head.exponent = first_bit_exponent - leading_zeros_;
  value.round = round_;
  value.sticky = sticky_;
  return value;
}

}  // namespace delartal
