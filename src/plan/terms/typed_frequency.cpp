#include "terms/typed_frequency.hpp"

#include <algorithm>

#include "iaru_channel.hpp"
#include "input.hpp"
#include "read_float.hpp"
#include "text/ascii.hpp"
#include "text/blanks.hpp"

namespace delartal::plan {

bool is_unit(std::string_view text) {
  return same_ignoring_case(text, frequency_unit);
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
  const TextBuffer<32> channel = iaru_frequency(number);
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
