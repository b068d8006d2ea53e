#include "lists/list_line.hpp"

#include <algorithm>

#include "terms/decimal_range.hpp"
#include "terms/typed_frequency.hpp"
#include "text/ascii.hpp"
#include "text/blanks.hpp"

namespace delartal::plan {
namespace {

// A "#" inside quotes is part of a name ("Rö #1").
std::string_view without_comment(std::string_view line) {
  bool quoted = false;
  for (std::size_t at = 0; at < line.size(); ++at) {
    if (line[at] == '"') quoted = !quoted;
    if (!quoted && line[at] == '#' && (at == 0 || is_blank(line[at - 1]))) {
      return line.substr(0, at);
    }
  }
  return line;
}

// Where a frequency or range ends in `head`, a text without tabs or
// semicolons: at its first space, or earlier at a comma that follows a whole
// frequency and comes before no digit ("145.600,SK0RK"), since "145,600" is a
// decimal comma.
std::size_t frequency_end(std::string_view head) {
  const std::size_t space = std::min(head.find(' '), head.size());
  for (std::size_t comma = head.find(','); comma < space; comma = head.find(',', comma + 1)) {
    const bool digit_after = comma + 1 < head.size() && is_digit(head[comma + 1]);
    const std::string_view before = head.substr(0, comma);
    if (!digit_after && gives_frequencies(before)) return comma;
  }
  return space;
}

// A name in quotes, as a spreadsheet saves one that holds a separator, stands
// without them, its doubled quotes single.
std::string unquoted_name(std::string_view name) {
  if (name.size() < 2 || name.front() != '"' || name.back() != '"') return std::string(name);
  std::string text;
  name = name.substr(1, name.size() - 2);
  for (std::size_t at = 0; at < name.size(); ++at) {
    text += name[at];
    if (name[at] == '"' && at + 1 < name.size() && name[at + 1] == '"') ++at;
  }
  return text;
}

// A unit after a frequency is no name: "145.6 MHz" or "145.6 MHz Hemma".
std::string_view without_leading_unit(std::string_view rest) {
  const std::size_t length = frequency_unit.size();
  if (!is_unit(rest.substr(0, length)) || (rest.size() > length && !is_blank(rest[length]))) {
    return rest;
  }
  return trim_blanks(rest.substr(length));
}

// Characters that may go on a board written with spaces, after its first word.
bool continues_board(std::string_view word) {
  return std::all_of(word.begin(), word.end(), [](char c) {
    return (c >= 'A' && c <= 'M') || c == 'V' || c == 'v' || c == 'x' || c == 'X' || c == ',';
  });
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
  const std::size_t key_end = std::min(board ? board_end(head) : frequency_end(head), head_end);
  std::string_view rest = trim_blanks(line.substr(key_end));
  if (!rest.empty() && (rest[0] == ';' || rest[0] == ',')) rest = trim_blanks(rest.substr(1));
  if (!board) rest = without_leading_unit(rest);
  // Blanks around a name never count, in quotes or not, as in a CSV cell.
  return {trim_blanks(line.substr(0, key_end)), std::string(trim_blanks(unquoted_name(rest)))};
}

}  // namespace delartal::plan
