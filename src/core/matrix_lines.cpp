#include "matrix_lines.hpp"

namespace delartal {

std::uint16_t marks_of(std::int32_t n) {
  const auto digits = static_cast<std::uint32_t>(n);
  const std::uint32_t marks =
      (digits / 1000) << 12 | (digits / 100 % 10) << 8 | (digits / 10 % 10) << 4 | digits % 10;
  return static_cast<std::uint16_t>(marks);
}

TextBuffer<32> diode_lines(std::int32_t n) {
  const std::uint16_t marks = marks_of(n);
  TextBuffer<32> lines;
  for (std::size_t mark = 0; mark < line_of_mark.size(); ++mark) {
    if (!is_marked(marks, mark)) continue;
    if (!lines.view().empty()) lines.append(" ");
    lines.append(line_of_mark.substr(mark, 1));
  }
  return lines;
}

}  // namespace delartal
