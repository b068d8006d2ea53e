// ASCII digits and letters, as the names of columns, units and lines are
// written: a name in another script never matches one of them.
#pragma once

#include <algorithm>
#include <string_view>

namespace delartal::plan {

constexpr bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Whether every character is a digit; true for an empty text.
inline bool all_digits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), is_digit);
}

constexpr char to_upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether the two texts are the same but for the case of their letters.
inline bool same_ignoring_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return to_upper(x) == to_upper(y);
         });
}

}  // namespace delartal::plan
