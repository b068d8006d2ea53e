#include "read_float.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "binary_rounding.hpp"
#include "float_bits.hpp"

namespace delartal {
namespace {

// Positions and exponents are counted in 64 bits and held within this bound,
// far past any that can give a finite nonzero float.
constexpr std::int64_t exponent_bound = std::int64_t{1} << 40;

std::int64_t bounded_sum(std::int64_t a, std::int64_t b) {
  return std::clamp(a + b, -exponent_bound, exponent_bound);
}

bool is_decimal(int byte) {
  return digit_value(byte) < 10;
}
bool is_hex(int byte) {
  return digit_value(byte) < 16;
}

// Reads an exponent's optional sign and digits if a digit follows its marker
// (e or p), and adds it to `exponent`. Otherwise the marker stays unread.
void read_exponent(Input& in, int marker_lower, int marker_upper, std::int64_t& exponent) {
  const int marker = in.peek();
  if (marker != marker_lower && marker != marker_upper) return;
  const int sign = in.peek(1);
  const std::size_t signs = (sign == '+' || sign == '-') ? 1 : 0;
  if (!is_decimal(in.peek(1 + signs))) return;
  for (std::size_t skipped = 0; skipped < 1 + signs; ++skipped) in.advance();
  std::int64_t value = 0;
  for (; is_decimal(in.peek()); in.advance()) {
    value = std::min(value * 10 + digit_value(in.peek()), exponent_bound);
  }
  exponent = bounded_sum(exponent, sign == '-' ? -value : value);
}

// Every halfway point between neighbouring 64-bit significands from 10^-47 up
// (k * 2^-q, k odd below 2^65, q at most 222) has at most 176 significant
// decimal digits. Digits past the ones kept can therefore only tell whether
// the value lies above the kept prefix, which `sticky` records.
constexpr std::size_t kept_digits = 256;
// With the point below 10^-46 the value is under 10^-47 and rounds to zero;
// with it above 10^39 the value is at least 10^39 (over 2^128) and rounds to
// infinity.
constexpr std::int64_t smallest_point = -46;
constexpr std::int64_t largest_point = 39;

// 0.d1 d2 d3 ... * 10^point, d1 nonzero; no digits for zero.
struct Decimal {
  std::array<std::uint8_t, kept_digits> digits{};
  std::size_t count = 0;
  bool sticky = false;
  std::int64_t point = 0;
};

bool is_digit_byte(char byte) {
  return static_cast<unsigned char>(byte - '0') < 10;
}

// Takes the digits from `p` on into `number` and returns where they end, at a
// byte that is no digit. Past the kept digits only how many there are and
// whether any is nonzero matter; that is what a long answer consists of, so
// those are scanned, not stored.
const char* take_digits(const char* p, Decimal& number, bool before_point) {
  if (number.count == 0) {
    const char* const zeros = p;
    while (*p == '0') ++p;
    if (!before_point) number.point = bounded_sum(number.point, zeros - p);
  }
  const char* const significant = p;
  while (number.count < kept_digits && is_digit_byte(*p)) {
    number.digits[number.count++] = static_cast<std::uint8_t>(*p++ - '0');
  }
  if (!number.sticky) {
    while (*p == '0') ++p;
    number.sticky = is_digit_byte(*p);
  }
  while (is_digit_byte(*p)) ++p;
  if (before_point) number.point = bounded_sum(number.point, p - significant);
  return p;
}

// Reads a run of decimal digits, however long, into `number`.
void read_digits(Input& in, Decimal& number, bool before_point) {
  for (std::string_view held = in.held(); !held.empty(); held = in.held()) {
    const char* const end = take_digits(held.data(), number, before_point);
    const auto length = static_cast<std::size_t>(end - held.data());
    in.advance(length);
    if (length < held.size()) return;
  }
}

// Pushes the bits of the whole-number part (at most 39 digits, below 2^130)
// into `bits`, most significant first. Returns how many there are.
int push_whole_part(const Decimal& number, BitCollector& bits) {
  std::array<std::uint32_t, 5> limbs{};  // least significant first
  for (std::int64_t i = 0; i < number.point; ++i) {
    const auto index = static_cast<std::size_t>(i);
    std::uint64_t carry = index < number.count ? number.digits[index] : 0;
    for (std::uint32_t& limb : limbs) {
      const std::uint64_t product = std::uint64_t{limb} * 10 + carry;
      limb = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
  }
  int length = static_cast<int>(limbs.size()) * 32;
  const auto bit_at = [&limbs](int position) {
    const auto limb = limbs[static_cast<std::size_t>(position / 32)];
    return ((limb >> (position % 32)) & 1U) != 0;
  };
  while (length > 0 && limbs[static_cast<std::size_t>(length / 32 - 1)] == 0) length -= 32;
  while (length > 0 && !bit_at(length - 1)) --length;
  for (int position = length - 1; position >= 0; --position) bits.push(bit_at(position));
  return length;
}

// Pushes the fraction's bits, 2^-1 first, until the collector is full or the
// fraction is exhausted; what remains then goes into sticky. Each bit is the
// carry out of doubling the fraction's decimal digits.
void push_fraction(const Decimal& number, BitCollector& bits) {
  std::array<std::uint8_t, kept_digits + static_cast<std::size_t>(-smallest_point)> fraction{};
  std::size_t length = 0;
  for (std::int64_t i = number.point; i < 0; ++i) fraction[length++] = 0;
  const std::size_t whole = number.point > 0 ? static_cast<std::size_t>(number.point) : 0;
  for (std::size_t i = whole; i < number.count; ++i) fraction[length++] = number.digits[i];

  const auto trim = [&fraction, &length] {
    while (length > 0 && fraction[length - 1] == 0) --length;
  };
  trim();
  // Up to 18 digits, as a typed frequency has, fit one 64-bit integer with
  // room for doubling: the same bits at a fraction of the cost.
  if (length <= 18) {
    std::uint64_t value = 0;
    std::uint64_t unit = 1;
    for (std::size_t i = 0; i < length; ++i) {
      value = value * 10 + fraction[i];
      unit *= 10;
    }
    while (value != 0 && !bits.full()) {
      value <<= 1;
      const bool bit = value >= unit;
      if (bit) value -= unit;
      bits.push(bit);
    }
    bits.add_sticky(value != 0 || number.sticky);
    return;
  }
  while (length > 0 && !bits.full()) {
    bool carry = false;
    for (std::size_t i = length; i-- > 0;) {
      const int doubled = 2 * fraction[i] + (carry ? 1 : 0);
      carry = doubled >= 10;
      fraction[i] = static_cast<std::uint8_t>(carry ? doubled - 10 : doubled);
    }
    bits.push(carry);
    trim();
  }
  bits.add_sticky(length > 0 || number.sticky);
}

float to_float(bool negative, const Decimal& number) {
  if (number.count == 0 || number.point < smallest_point) return signed_zero(negative);
  if (number.point > largest_point) return signed_infinity(negative);
  BitCollector bits;
  const int whole_bits = push_whole_part(number, bits);
  push_fraction(number, bits);
  const int first_bit_exponent = whole_bits > 0 ? whole_bits - 1 : -1;
  return round_to_float(round_to_extended(bits.result(negative, first_bit_exponent)));
}

float read_decimal(Input& in, bool negative) {
  Decimal number;
  read_digits(in, number, true);
  if (in.peek() == '.') {
    in.advance();
    read_digits(in, number, false);
  }
  read_exponent(in, 'e', 'E', number.point);
  return to_float(negative, number);
}

// After the 0x: the bits of every hex digit from the first nonzero one, and the
// binary exponent of that digit's top bit.
float read_hex(Input& in, bool negative) {
  BitCollector bits;
  bool started = false;
  std::int64_t first_exponent = 3;  // of the first nonzero digit's top bit
  const auto add = [&](int digit, bool before_point) {
    if (!started) {
      // Fraction digits up to the first nonzero one, itself included, each
      // move it down a digit; whole digits after it, up.
      if (!before_point) first_exponent = bounded_sum(first_exponent, -4);
      if (digit == 0) return;
      started = true;
    } else if (before_point) {
      first_exponent = bounded_sum(first_exponent, 4);
    }
    if (bits.full()) {
      bits.add_sticky(digit != 0);
      return;
    }
    for (int bit = 3; bit >= 0; --bit) bits.push(((digit >> bit) & 1) != 0);
  };
  for (; is_hex(in.peek()); in.advance()) add(digit_value(in.peek()), true);
  if (in.peek() == '.') {
    in.advance();
    for (; is_hex(in.peek()); in.advance()) add(digit_value(in.peek()), false);
  }
  read_exponent(in, 'p', 'P', first_exponent);
  // Beyond this bound every value is zero or infinite already.
  constexpr std::int64_t int_bound = 100000;
  const auto exponent = static_cast<int>(std::clamp(first_exponent, -int_bound, int_bound));
  return round_to_float(round_to_extended(bits.result(negative, exponent)));
}

}  // namespace

std::optional<float> read_float(Input& in) {
  const int sign = in.peek();
  const std::size_t at = (sign == '+' || sign == '-') ? 1 : 0;
  const bool negative = sign == '-';

  const bool hex_marker = in.peek(at) == '0' && (in.peek(at + 1) == 'x' || in.peek(at + 1) == 'X');
  const bool hex = hex_marker &&
                   (is_hex(in.peek(at + 2)) || (in.peek(at + 2) == '.' && is_hex(in.peek(at + 3))));
  const bool decimal =
      is_decimal(in.peek(at)) || (in.peek(at) == '.' && is_decimal(in.peek(at + 1)));
  if (!hex && !decimal) return std::nullopt;

  for (std::size_t skipped = 0; skipped < at; ++skipped) in.advance();
  if (!hex) return read_decimal(in, negative);
  in.advance();  // 0
  in.advance();  // x
  return read_hex(in, negative);
}

}  // namespace delartal
