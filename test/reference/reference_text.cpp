#include "reference_text.hpp"

namespace delartal::reference {

std::string pattern(std::int64_t digit) {
  std::string text;
  for (int bit = 3; bit >= 0; --bit) {
    if (bit != 3) text += ' ';
    text += ((digit >> bit) & 1) != 0 ? 'V' : 'x';
  }
  return text;
}

std::uint64_t channel(std::int64_t divider, int variant) {
  return (variant == 1 ? 1'404'000U : 1'402'000U) + 125 * static_cast<std::uint64_t>(divider);
}

std::string four_decimals(std::uint64_t ten_thousandths) {
  std::string fraction = std::to_string(ten_thousandths % 10000);
  fraction.insert(0, 4 - fraction.size(), '0');
  return std::to_string(ten_thousandths / 10000) + "." + fraction;
}

}  // namespace delartal::reference
