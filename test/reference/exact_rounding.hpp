// Rounding an exact positive rational to a given number of significant bits,
// to nearest with ties to even: the one operation behind every reference result.
#pragma once

#include <cstdint>

#include "big_uint.hpp"

namespace delartal::reference {

// significand * 2^exponent.
struct Dyadic {
  std::uint64_t significand = 0;
  std::int64_t exponent = 0;
};

// numerator / denominator * 2^scale rounded to at most `bits` (1..64)
// significant bits, with no bit below 2^lowest_exponent (the quantum of
// subnormal numbers). The denominator must not be zero.
Dyadic round_to_bits(const BigUint& numerator, const BigUint& denominator, std::int64_t scale,
                     int bits, std::int64_t lowest_exponent);

// The 64-bit-significand rounding of extended precision. Its exponent range
// is so wide that nothing the reference meets falls outside it.
Dyadic round_to_extended(const BigUint& numerator, const BigUint& denominator, std::int64_t scale);

// The single-precision value of a magnitude rounded to nearest, ties to even:
// infinity beyond the largest float, subnormals and zero below the smallest normal.
float round_to_float(const Dyadic& magnitude, bool negative);

}  // namespace delartal::reference
