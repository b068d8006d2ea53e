#include "format_fixed.hpp"

#include <cmath>
#include <cstdint>

#include "exact_arith.hpp"

namespace delartal {

std::string four_decimals(float f) {
  const std::uint64_t scaled = ten_thousandths(f);
  const std::uint64_t fraction = scaled % 10000;
  std::string text = std::signbit(f) ? "-" : "";
  text += std::to_string(scaled / 10000);
  text += '.';
  for (std::uint64_t unit = 1000; unit > 0; unit /= 10) {
    text += static_cast<char>('0' + fraction / unit % 10);
  }
  return text;
}

}  // namespace delartal
