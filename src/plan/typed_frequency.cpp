#include "typed_frequency.hpp"

#include <algorithm>

#include "input.hpp"
#include "read_float.hpp"

namespace delartal::plan {

std::string_view trim_blanks(std::string_view text) {
  constexpr std::string_view blanks = " \t\r";
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::optional<TypedFrequency> read_typed_frequency(std::string_view text) {
  std::string number(trim_blanks(text));
  std::replace(number.begin(), number.end(), ',', '.');
  TextSource source(number);
  Input in(source);
  const std::optional<float> value = read_float(in);
  if (!value || in.peek() != end_of_input) return std::nullopt;
  return TypedFrequency{number, *value};
}

}  // namespace delartal::plan
