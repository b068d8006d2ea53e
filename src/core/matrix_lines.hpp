// The matrix's thirteen lines, A to M, and which mark of the pattern row each
// one sits under.
#pragma once

#include <cstdint>
#include <string_view>

#include "text_buffer.hpp"

namespace delartal {

// The row under the four patterns: each mark's line, "-" where the thousands
// digit has none.
constexpr std::string_view label_row = "- - - L  K J I H  G F E D  C B A M";

// The line under each of the sixteen marks, left to right: the thousands
// digit's four bits first, each digit's top bit first.
constexpr std::string_view line_of_mark = "---LKJIHGFEDCBAM";

constexpr bool has_line(std::size_t mark) {
  return line_of_mark[mark] != '-';
}

// The sixteen marks of divider n (0..9999), one bit each, the leftmost mark
// the top bit: its four decimal digits, four bits each, thousands first.
std::uint16_t marks_of(std::int32_t n);

// Whether mark `mark` (0..15, left to right) holds a diode.
constexpr bool is_marked(std::uint16_t marks, std::size_t mark) {
  return ((marks >> (15 - mark)) & 1U) != 0;
}

// The lines that get a diode for divider n (0..9999), in the label row's
// order and separated by single spaces ("J F C" for 448); empty for 0. A
// diode the thousands digit needs where the matrix has no line stands as the
// label row's "-" ("- L K H G D C M" for 9999), so that no divider above 1999
// reads as a board that fits.
TextBuffer<32> diode_lines(std::int32_t n);

}  // namespace delartal
