#include "reference_read.hpp"

#include <algorithm>

#include "big_uint.hpp"
#include "exact_rounding.hpp"

namespace delartal::reference {
namespace {

bool is_decimal(char c) {
  return c >= '0' && c <= '9';
}
bool is_hex(char c) {
  return is_decimal(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool is_octal(char c) {
  return c >= '0' && c <= '7';
}
bool is_binary(char c) {
  return c == '0' || c == '1';
}
int value_of(char c) {
  if (is_decimal(c)) return c - '0';
  return (c | 0x20) - 'a' + 10;
}
bool is_sign(char c) {
  return c == '+' || c == '-';
}

// A grammar as a state machine: each state tells, for the next byte, the state
// it moves to, or none. The longest prefix that ends in an accepting state is
// the number, however far a longer attempt got before it failed.
template <typename State, typename Step, typename Accepting>
std::size_t longest_match(std::string_view text, State start, Step step, Accepting accepting) {
  std::size_t longest = 0;
  State state = start;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::optional<State> next = step(state, text[i]);
    if (!next) break;
    state = *next;
    if (accepting(state)) longest = i + 1;
  }
  return longest;
}

enum class F {
  start,
  sign,
  zero,
  whole,
  point,
  bare_point,
  fraction,
  e,
  e_sign,
  e_digits,
  x,
  hex_whole,
  hex_point,
  hex_bare_point,
  hex_fraction,
  p,
  p_sign,
  p_digits
};

std::optional<F> float_step(F state, char c) {
  switch (state) {
    case F::start:
      if (is_sign(c)) return F::sign;
      [[fallthrough]];
    case F::sign:
      if (c == '0') return F::zero;
      if (is_decimal(c)) return F::whole;
      if (c == '.') return F::bare_point;
      return std::nullopt;
    case F::zero:
      if (c == 'x' || c == 'X') return F::x;
      [[fallthrough]];
    case F::whole:
      if (is_decimal(c)) return F::whole;
      if (c == '.') return F::point;
      if (c == 'e' || c == 'E') return F::e;
      return std::nullopt;
    case F::point:
    case F::bare_point:
    case F::fraction:
      if (is_decimal(c)) return F::fraction;
      if (state != F::bare_point && (c == 'e' || c == 'E')) return F::e;
      return std::nullopt;
    case F::e:
      if (is_sign(c)) return F::e_sign;
      [[fallthrough]];
    case F::e_sign:
    case F::e_digits:
      if (is_decimal(c)) return F::e_digits;
      return std::nullopt;
    case F::x:
      if (is_hex(c)) return F::hex_whole;
      if (c == '.') return F::hex_bare_point;
      return std::nullopt;
    case F::hex_whole:
      if (is_hex(c)) return F::hex_whole;
      if (c == '.') return F::hex_point;
      if (c == 'p' || c == 'P') return F::p;
      return std::nullopt;
    case F::hex_point:
    case F::hex_bare_point:
    case F::hex_fraction:
      if (is_hex(c)) return F::hex_fraction;
      if (state != F::hex_bare_point && (c == 'p' || c == 'P')) return F::p;
      return std::nullopt;
    case F::p:
      if (is_sign(c)) return F::p_sign;
      [[fallthrough]];
    case F::p_sign:
    case F::p_digits:
      if (is_decimal(c)) return F::p_digits;
      return std::nullopt;
  }
  return std::nullopt;
}

bool float_accepting(F state) {
  switch (state) {
    case F::zero:
    case F::whole:
    case F::point:
    case F::fraction:
    case F::e_digits:
    case F::hex_whole:
    case F::hex_point:
    case F::hex_fraction:
    case F::p_digits:
      return true;
    default:
      return false;
  }
}

// An exponent's digits, held at a bound far past any that changes the result.
std::int64_t exponent_value(std::string_view digits) {
  constexpr std::int64_t bound = 1'000'000'000'000;
  std::int64_t value = 0;
  for (const char c : digits) value = std::min(bound, value * 10 + value_of(c));
  return value;
}

// The value of a complete number text: mantissa digits, their base, and the
// power of the base or of two that scales them.
float float_value(std::string_view number) {
  const bool negative = number.front() == '-';
  if (is_sign(number.front())) number.remove_prefix(1);
  const bool hex = number.size() > 1 && (number[1] == 'x' || number[1] == 'X');
  if (hex) number.remove_prefix(2);
  const char exponent_mark = hex ? 'p' : 'e';

  BigUint mantissa;
  std::size_t digits = 0;  // significant digits, leading zeros aside
  std::int64_t fraction_digits = 0;
  bool after_point = false;
  std::size_t i = 0;
  for (; i < number.size() && (number[i] | 0x20) != exponent_mark; ++i) {
    if (number[i] == '.') {
      after_point = true;
      continue;
    }
    mantissa.multiply_add(hex ? 16 : 10, static_cast<std::uint32_t>(value_of(number[i])));
    if (!mantissa.is_zero()) ++digits;
    if (after_point) ++fraction_digits;
  }
  std::int64_t exponent = 0;
  if (i < number.size()) {
    std::string_view text = number.substr(i + 1);
    const bool exponent_negative = text.front() == '-';
    if (is_sign(text.front())) text.remove_prefix(1);
    exponent = exponent_value(text);
    if (exponent_negative) exponent = -exponent;
  }
  if (mantissa.is_zero()) return negative ? -0.0F : 0.0F;

  Dyadic extended;
  const auto length = static_cast<std::int64_t>(digits);
  if (hex) {
    // Value in [2^(bits + scale - 1), 2^(bits + scale)).
    const std::int64_t scale = exponent - 4 * fraction_digits;
    const auto bits = static_cast<std::int64_t>(mantissa.bit_length());
    if (bits + scale > 200) return round_to_float({1, 200}, negative);
    if (bits + scale < -200) return round_to_float({1, -200}, negative);
    extended = round_to_extended(mantissa, BigUint(1), scale);
  } else {
    // Value in [10^(length + scale - 1), 10^(length + scale)).
    const std::int64_t scale = exponent - fraction_digits;
    if (length + scale > 60) return round_to_float({1, 200}, negative);
    if (length + scale < -60) return round_to_float({1, -200}, negative);
    if (scale >= 0) {
      BigUint whole = mantissa;
      for (std::int64_t k = 0; k < scale; ++k) whole.multiply_add(10, 0);
      extended = round_to_extended(whole, BigUint(1), 0);
    } else {
      extended =
          round_to_extended(mantissa, BigUint::power(10, static_cast<std::size_t>(-scale)), 0);
    }
  }
  return round_to_float(extended, negative);
}

enum class I { start, sign, zero, octal, decimal, x, hex, b, binary };

std::optional<I> integer_step(I state, char c) {
  switch (state) {
    case I::start:
      if (is_sign(c)) return I::sign;
      [[fallthrough]];
    case I::sign:
      if (c == '0') return I::zero;
      if (is_decimal(c)) return I::decimal;
      return std::nullopt;
    case I::zero:
      if (c == 'x' || c == 'X') return I::x;
      if (c == 'b' || c == 'B') return I::b;
      [[fallthrough]];
    case I::octal:
      if (is_octal(c)) return I::octal;
      return std::nullopt;
    case I::decimal:
      if (is_decimal(c)) return I::decimal;
      return std::nullopt;
    case I::x:
    case I::hex:
      if (is_hex(c)) return I::hex;
      return std::nullopt;
    case I::b:
    case I::binary:
      if (is_binary(c)) return I::binary;
      return std::nullopt;
  }
  return std::nullopt;
}

bool integer_accepting(I state) {
  return state == I::zero || state == I::octal || state == I::decimal || state == I::hex ||
         state == I::binary;
}

std::optional<std::int32_t> integer_value(std::string_view number) {
  const bool negative = number.front() == '-';
  if (is_sign(number.front())) number.remove_prefix(1);
  std::uint32_t base = 10;
  if (number.size() > 1 && number[0] == '0') {
    const char mark = static_cast<char>(number[1] | 0x20);
    base = mark == 'x' ? 16 : mark == 'b' ? 2 : 8;
    number.remove_prefix(base == 8 ? 1 : 2);
  }
  BigUint magnitude;
  for (const char c : number) magnitude.multiply_add(base, static_cast<std::uint32_t>(value_of(c)));
  const BigUint limit(negative ? 0x80000000U : 0x7FFFFFFFU);
  if (compare(magnitude, limit) > 0) return std::nullopt;
  const auto value = static_cast<std::int64_t>(magnitude.to_u64());
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

FloatRead read_float(std::string_view text) {
  const std::size_t length = longest_match(text, F::start, float_step, float_accepting);
  if (length == 0) return {};
  return {length, float_value(text.substr(0, length))};
}

IntegerRead read_integer(std::string_view text) {
  const std::size_t length = longest_match(text, I::start, integer_step, integer_accepting);
  if (length == 0) return {};
  return {length, integer_value(text.substr(0, length))};
}

}  // namespace delartal::reference
