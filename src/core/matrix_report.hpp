// The divider for a channel frequency and the report of its diodes in the
// matrix: lines A to M under the four decimal digits of the divider.
#pragma once

#include <array>
#include <cstdint>

#include "output.hpp"

namespace delartal {

// Writes the diode pattern of digit `num`, most significant bit first, "V"
// for 1 and "x" for 0 ("x V x V" for 5), NUL-terminated, into the first eight
// bytes of `str`. Writes nothing for a num outside 0..9.
void i2bcd(std::int32_t num, std::array<char, 10>& str);

// The divider for the scaled quotient a: the nearest whole number, halves upward.
std::int32_t round_off(float a);

// Computes the divider for frequency f (MHz) with offset variant ver (1 for
// 70.2 MHz, 2 for 70.1 MHz) and writes the whole report to out in one text.
// Writes nothing and returns false when ver is no variant or the divider falls
// outside 0..9999, the four digits the report has room for.
bool printN(TextSink& out, float f, std::int32_t ver);

}  // namespace delartal
