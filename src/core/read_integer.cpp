#include "read_integer.hpp"

#include <algorithm>
#include <cstddef>

namespace delartal {

std::optional<std::int32_t> read_integer(Input& in) {
  std::size_t at = 0;
  const bool negative = in.peek() == '-';
  if (negative || in.peek() == '+') at = 1;

  int base = 10;
  std::size_t prefix = 0;
  if (in.peek(at) == '0') {
    const int marker = in.peek(at + 1);
    const int first_digit = digit_value(in.peek(at + 2));
    if ((marker == 'x' || marker == 'X') && first_digit < 16) {
      base = 16;
      prefix = 2;
    } else if ((marker == 'b' || marker == 'B') && first_digit < 2) {
      base = 2;
      prefix = 2;
    } else {
      base = 8;  // the 0 is its first digit
    }
  } else if (digit_value(in.peek(at)) >= 10) {
    return std::nullopt;
  }
  for (std::size_t skipped = 0; skipped < at + prefix; ++skipped) in.advance();

  // Past this the value is out of range either way; saturating keeps it in 64 bits.
  constexpr std::uint64_t beyond = std::uint64_t{1} << 32;
  std::uint64_t magnitude = 0;
  for (int digit = digit_value(in.peek()); digit < base; digit = digit_value(in.peek())) {
    magnitude = std::min(
        magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit), beyond);
    in.advance();
  }

  const std::uint64_t largest = negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
  if (magnitude > largest) return std::nullopt;
  const auto value = static_cast<std::int64_t>(magnitude);
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace delartal
