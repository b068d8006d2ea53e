#include "typed_frequency.hpp"

#include <algorithm>

#include "iaru_channel.hpp"
#include "input.hpp"
#include "read_float.hpp"

namespace delartal::plan {

std::string_view trim_blanks(std::string_view text) {
  constexpr std::string_view blanks = " \t\r";
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool is_unit(std::string_view text) {
  if (text.size() != frequency_unit.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((text[i] | 0x20) != (frequency_unit[i] | 0x20)) return false;
  }
  return true;
}

namespace {

// The text without blanks around it and without the unit at its end.
std::string_view without_unit(std::string_view text) {
  text = trim_blanks(text);
  const std::size_t length = frequency_unit.size();
  if (text.size() <= length || !is_unit(text.substr(text.size() - length))) return text;
  return trim_blanks(text.substr(0, text.size() - length));
}

}  // namespace

std::optional<TypedFrequency> read_typed_frequency(std::string_view text) {
  std::string number(without_unit(text));
  // A channel's name keeps the text it was given as.
  const TextBuffer<16> channel = iaru_frequency(number);
  if (!channel.view().empty()) {
    TextSource source(channel.view());
    Input in(source);
    return TypedFrequency{number, read_float(in).value()};
  }
  std::replace(number.begin(), number.end(), ',', '.');
  TextSource source(number);
  Input in(source);
  const std::optional<float> value = read_float(in);
  if (!value || in.peek() != end_of_input) return std::nullopt;
  return TypedFrequency{number, *value};
}

}  // namespace delartal::plan
