// Whole numbers of units of 10^-decimals MHz, as text: the exact decimals the
// channels, the report's frequency, the ranges and the band ends are counted
// in. Every such text is made here.
#pragma once

#include <cstdint>

#include "text_buffer.hpp"

namespace delartal {

// 10^exponent, for exponents from 0 to 19.
constexpr std::uint64_t power_of_ten(int exponent) {
  std::uint64_t power = 1;
  for (int i = 0; i < exponent; ++i) power *= 10;
  return power;
}

// units / 10^decimals with exactly `decimals` decimals, and no point for none.
inline TextBuffer<32> decimal_text(std::uint64_t units, int decimals) {
  const std::uint64_t unit = power_of_ten(decimals);
  TextBuffer<32> text;
  text.append_decimal(units / unit);
  if (decimals > 0) {
    text.append(".");
    text.append_decimal(units % unit, decimals);
  }
  return text;
}

// The same without the zeros that end its decimals, nor a point left bare:
// 1'404'000 with four decimals is "140.4".
inline TextBuffer<32> short_decimal_text(std::uint64_t units, int decimals) {
  while (decimals > 0 && units % 10 == 0) {
    units /= 10;
    --decimals;
  }
  return decimal_text(units, decimals);
}

}  // namespace delartal
