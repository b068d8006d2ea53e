#include "list_line.hpp"

#include <algorithm>

#include "typed_frequency.hpp"

namespace delartal::plan {
namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string_view without_comment(std::string_view line) {
  for (std::size_t at = 0; at < line.size(); ++at) {
    if (line[at] == '#' && (at == 0 || is_blank(line[at - 1]))) return line.substr(0, at);
  }
  return line;
}

// Characters that may go on a board written with spaces, after its first word.
bool continues_board(std::string_view word) {
  return std::all_of(word.begin(), word.end(), [](char c) {
    return (c >= 'A' && c <= 'M') || c == 'V' || c == 'v' || c == 'x' || c == 'X' || c == ',';
  });
}

bool all_digits(std::string_view word) {
  return std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Where a board ends in `head`, a text without tabs or semicolons.
std::size_t board_end(std::string_view head) {
  std::size_t end = head.find(' ');
  if (end == std::string_view::npos || all_digits(head.substr(0, end))) return end;
  for (;;) {
    const std::size_t start = head.find_first_not_of(' ', end);
    if (start == std::string_view::npos) return end;
    const std::size_t after = std::min(head.find(' ', start), head.size());
    if (!continues_board(head.substr(start, after - start))) return end;
    end = after;
  }
}

}  // namespace

ListLine split_list_line(std::string_view line, bool board) {
  line = trim_blanks(without_comment(line));
  const std::size_t head_end = std::min(line.find_first_of(";\t"), line.size());
  const std::string_view head = line.substr(0, head_end);
  const std::size_t key_end = std::min(board ? board_end(head) : head.find(' '), head_end);
  std::string_view rest = trim_blanks(line.substr(key_end));
  if (!rest.empty() && rest[0] == ';') rest = trim_blanks(rest.substr(1));
  return {trim_blanks(line.substr(0, key_end)), rest};
}

}  // namespace delartal::plan
