#include "format_fixed.hpp"

#include <cmath>
#include <cstdint>

#include "decimal_text.hpp"
#include "exact_arith.hpp"

namespace delartal {

TextBuffer<32> four_decimals(float f) {
  TextBuffer<32> text;
  if (std::signbit(f)) text.append("-");
  text.append(decimal_text(ten_thousandths(f), 4).view());
  return text;
}

}  // namespace delartal
