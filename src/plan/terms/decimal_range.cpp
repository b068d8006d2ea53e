#include "terms/decimal_range.hpp"

#include <algorithm>

#include "decimal_text.hpp"
#include "terms/typed_frequency.hpp"
#include "text/ascii.hpp"
#include "text/blanks.hpp"

namespace delartal::plan {
namespace {

// Every value, as units of 10^-scale, stays below 10^18 and so far inside
// 64 bits, with room for one more step.
constexpr int max_digits = 18;

// A plain decimal's digits: "145.0500" is whole "145", fraction "05".
struct Digits {
  std::string_view whole;
  std::string_view fraction;
};

std::optional<Digits> split_decimal(std::string_view text) {
  text = trim_blanks(text);
  const std::size_t point = text.find_first_of(".,");
  Digits digits{text.substr(0, point),
                point == std::string_view::npos ? std::string_view() : text.substr(point + 1)};
  if (digits.whole.empty() && digits.fraction.empty()) return std::nullopt;
  if (!all_digits(digits.whole) || !all_digits(digits.fraction)) return std::nullopt;
  digits.whole.remove_prefix(std::min(digits.whole.find_first_not_of('0'), digits.whole.size()));
  const std::size_t last = digits.fraction.find_last_not_of('0');
  digits.fraction = digits.fraction.substr(0, last == std::string_view::npos ? 0 : last + 1);
  return digits;
}

// The value in units of 10^-scale; the digits must fit (see max_digits).
std::uint64_t units_of(const Digits& digits, int scale) {
  std::uint64_t value = 0;
  for (const char c : digits.whole) value = value * 10 + static_cast<std::uint64_t>(c - '0');
  for (const char c : digits.fraction) value = value * 10 + static_cast<std::uint64_t>(c - '0');
  return value * power_of_ten(scale - static_cast<int>(digits.fraction.size()));
}

}  // namespace

bool gives_frequencies(std::string_view text) {
  return looks_like_range(text) || read_typed_frequency(text).has_value();
}

std::optional<DecimalRange> read_range(std::string_view text, std::string& fault) {
  const std::size_t first = text.find(':');
  const std::size_t second = text.find(':', first + 1);
  const std::string_view parts[3] = {
      text.substr(0, first),
      text.substr(first + 1,
                  second == std::string_view::npos ? std::string_view::npos : second - first - 1),
      second == std::string_view::npos ? std::string_view("0.0125") : text.substr(second + 1)};
  if (second != std::string_view::npos && parts[2].find(':') != std::string_view::npos) {
    fault = "högst tre delar: START:STOPP:STEG";
    return std::nullopt;
  }

  Digits digits[3];
  int scale = 0;
  for (int i = 0; i < 3; ++i) {
    const std::optional<Digits> read = split_decimal(parts[i]);
    if (!read) {
      fault = "skriv intervallet t.ex. 145:146:0.025";
      return std::nullopt;
    }
    digits[i] = *read;
    scale = std::max(scale, static_cast<int>(digits[i].fraction.size()));
  }
  for (const Digits& d : digits) {
    if (static_cast<int>(d.whole.size()) + scale > max_digits) {
      fault = "högst 18 siffror i varje tal";
      return std::nullopt;
    }
  }

  const DecimalRange range{units_of(digits[0], scale), units_of(digits[1], scale),
                           units_of(digits[2], scale), scale};
  if (range.step == 0) {
    fault = "STEG måste vara större än noll";
    return std::nullopt;
  }
  if (range.stop < range.start) {
    fault = "STOPP ligger under START";
    return std::nullopt;
  }
  if (range_size(range) > max_range_size) {
    fault = "fler än 1000000 frekvenser: " + std::to_string(range_size(range));
    return std::nullopt;
  }
  return range;
}

std::uint64_t range_size(const DecimalRange& range) {
  return (range.stop - range.start) / range.step + 1;
}

TextBuffer<32> range_value(const DecimalRange& range, std::uint64_t index) {
  // No value passes stop, so none leaves 64 bits.
  return short_decimal_text(range.start + index * range.step, range.scale);
}

}  // namespace delartal::plan
