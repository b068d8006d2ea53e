// The blanks that never count around a frequency, a board, a name or a cell.
#pragma once

#include <string_view>

namespace delartal::plan {

// A space, a tab or a carriage return: the CR of a line saved on Windows is
// as blank as the rest.
constexpr bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

// The text without the blanks around it.
std::string_view trim_blanks(std::string_view text);

}  // namespace delartal::plan
