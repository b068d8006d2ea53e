// Single-precision values taken apart and put together through their IEEE 754
// bits: exact, and free of any library or floating-point unit behaviour.
#pragma once

#include <cstdint>
#include <cstring>
#include <limits>

namespace delartal {

static_assert(std::numeric_limits<float>::is_iec559 && sizeof(float) == 4,
              "float must be IEEE 754 single precision");

// A finite float as ±magnitude * 2^exponent, the magnitude a whole number below 2^24.
struct SplitFloat {
  bool negative;
  std::uint32_t magnitude;
  int exponent;
};

inline std::uint32_t bits_of(float x) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

inline float float_of(std::uint32_t bits) {
  float x = 0;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

// For finite x only.
inline SplitFloat split(float x) {
  const std::uint32_t bits = bits_of(x);
  const auto biased = static_cast<int>((bits >> 23) & 0xFFU);
  const std::uint32_t fraction = bits & 0x7FFFFFU;
  const bool negative = (bits >> 31) != 0;
  if (biased == 0) return {negative, fraction, -149};  // zero or subnormal
  return {negative, fraction | 0x800000U, biased - 150};
}

inline float signed_zero(bool negative) {
  return float_of(negative ? 0x80000000U : 0U);
}

inline float signed_infinity(bool negative) {
  return float_of((negative ? 0x80000000U : 0U) | 0x7F800000U);
}

// ±kept * 2^scale for scale >= -149 and kept <= 2^24, with kept's leading bit
// at 2^23 unless scale is -149 (a subnormal). A kept of 2^24 carries into the
// next binade, and past the largest float into infinity.
inline float assemble(bool negative, std::uint32_t kept, int scale) {
  if (scale > 104) return signed_infinity(negative);
  // A normal kept's leading bit adds one to the exponent field.
  const std::uint32_t magnitude = (static_cast<std::uint32_t>(scale + 149) << 23) + kept;
  return float_of((negative ? 0x80000000U : 0U) | magnitude);
}

}  // namespace delartal
