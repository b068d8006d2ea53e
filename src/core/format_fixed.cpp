#include "format_fixed.hpp"

#include <cmath>
#include <cstdint>

#include "exact_arith.hpp"

namespace delartal {

TextBuffer<32> four_decimals(float f) {
  const std::uint64_t scaled = ten_thousandths(f);
  TextBuffer<32> text;
  if (std::signbit(f)) text.append("-");
  text.append_decimal(scaled / 10000);
  text.append(".");
  text.append_decimal(scaled % 10000, 4);
  return text;
}

}  // namespace delartal
