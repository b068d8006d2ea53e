#include "iaru_channel.hpp"

#include <optional>

#include "channel.hpp"
#include "decimal_text.hpp"

namespace delartal {
namespace {

// Ten-thousandths of a MHz of V00, and of one step.
constexpr std::uint64_t v00_units = 1'450'000;
constexpr std::uint64_t step_units = 125;
constexpr int channels = 64;
constexpr int first_repeater = 48;

char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// A number of one or two decimal digits, without a leading zero unless
// `two_digits` asks for exactly two.
std::optional<int> small_number(std::string_view digits, bool two_digits) {
  if (digits.empty() || digits.size() > 2 || (two_digits && digits.size() != 2)) {
    return std::nullopt;
  }
  if (!two_digits && digits.size() == 2 && digits[0] == '0') return std::nullopt;
  int value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool starts_with(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (upper(text[i]) != prefix[i]) return false;
  }
  return true;
}

// The V number a name stands for: RV and V name it directly; R0 to R7 are
// RV48 + 2k, with an x one channel above; S8 to S23 are V(2k).
std::optional<int> v_number(std::string_view name) {
  if (starts_with(name, "RV")) return small_number(name.substr(2), true);
  if (starts_with(name, "V")) return small_number(name.substr(1), true);
  if (starts_with(name, "S")) {
    const std::optional<int> k = small_number(name.substr(1), false);
    if (k && *k >= 8 && *k <= 23) return 2 * *k;
    return std::nullopt;
  }
  if (starts_with(name, "R") && (name.size() == 2 || name.size() == 3)) {
    const bool above = name.size() == 3;
    if (above && upper(name[2]) != 'X') return std::nullopt;
    const std::optional<int> k = small_number(name.substr(1, 1), false);
    if (k && *k <= 7) return first_repeater + 2 * *k + (above ? 1 : 0);
  }
  return std::nullopt;
}

}  // namespace

TextBuffer<32> iaru_frequency(std::string_view name) {
  const std::optional<int> v = v_number(name);
  if (!v || *v >= channels) return {};
  return decimal_text(v00_units + step_units * static_cast<std::uint64_t>(*v), 4);
}

TextBuffer<8> iaru_name(std::int32_t n, std::int32_t ver) {
  TextBuffer<8> name;
  const std::uint64_t units = channel_units(n, ver);
  if (units < v00_units || units >= v00_units + step_units * channels) return name;
  const std::uint64_t v = (units - v00_units) / step_units;
  name.append(v >= first_repeater ? "RV" : "V");
  name.append_decimal(v, 2);
  return name;
}

}  // namespace delartal
