#include "terms/board.hpp"

#include <cstddef>

#include "matrix_lines.hpp"
#include "terms/direction_hints.hpp"
#include "terms/typed_frequency.hpp"
#include "text/ascii.hpp"
#include "text/blanks.hpp"
#include "text/printable.hpp"
#include "text/utf8.hpp"

namespace delartal::plan {
namespace {

constexpr const char* group_names[4] = {"tusentalet", "hundratalet", "tiotalet", "entalet"};

BoardReading fault(std::string text) {
  return {0, std::move(text)};
}

bool is_separator(char c) {
  return c == ' ' || c == '\t' || c == ',';
}

bool is_mark(char c) {
  return c == 'V' || c == 'v' || c == 'x' || c == 'X';
}

// The character a fault is about, at the start of `text`, in quotes as a
// message shows it: a byte that starts no UTF-8 character is read as
// Windows-1252, and a control character is shown in its visible form.
std::string describe(std::string_view text) {
  const std::size_t length = utf8_length(text);
  return quoted(text.substr(0, length > 0 ? length : 1));
}

// The four digits the marks stand for, or the fault of the first group that
// holds no digit. `lines` says whether the marks came as line names.
BoardReading divider_of(std::uint16_t marks, bool lines) {
  std::int32_t divider = 0;
  for (std::size_t group = 0; group < 4; ++group) {
    const auto digit = static_cast<std::int32_t>((marks >> (12 - 4 * group)) & 0xFU);
    if (digit > 9) {
      std::string named;
      for (std::size_t mark = 4 * group; mark < 4 * group + 4; ++mark) {
        if (lines && !is_marked(marks, mark)) continue;
        if (!named.empty()) named += ' ';
        named += lines ? line_of_mark[mark] : (is_marked(marks, mark) ? 'V' : 'x');
      }
      return fault(std::string(group_names[group]) + " " + named + " ger " + std::to_string(digit) +
                   ", inte 0–9");
    }
    divider = divider * 10 + digit;
  }
  return {divider, {}};
}

BoardReading read_divider(std::string_view text) {
  std::int32_t divider = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (!is_digit(c)) {
      if (read_typed_frequency(text)) return fault(std::string(frequency_hint));
      return fault(describe(text.substr(at)) + " hör inte till ett delartal");
    }
    divider = divider * 10 + (c - '0');
    if (divider > 9999) return fault("delartalet ligger utanför 0–9999");
  }
  return {divider, {}};
}

BoardReading read_pattern(std::string_view text) {
  std::uint16_t marks = 0;
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == ' ' || c == '\t') continue;
    if (!is_mark(c)) return fault(describe(text.substr(at)) + " hör inte till en rad av V och x");
    if (count < 16) {
      const unsigned bit = c == 'V' || c == 'v' ? 1U : 0U;
      marks = static_cast<std::uint16_t>(static_cast<unsigned>(marks) << 1U | bit);
    }
    ++count;
  }
  if (count != 16) {
    return fault("en mönsterrad har 16 V och x, inte " + std::to_string(count));
  }
  return divider_of(marks, false);
}

BoardReading read_lines(std::string_view text) {
  std::uint16_t marks = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (is_separator(c)) continue;
    const char line = to_upper(c);
    const std::size_t mark = line_of_mark.find(line);
    if (line == '-' || mark == std::string_view::npos) {
      return fault(describe(text.substr(at)) + " är ingen linje, de är A–M");
    }
    const auto bit = static_cast<std::uint16_t>(1U << (15 - mark));
    if ((marks & bit) != 0) return fault(std::string("linjen ") + line + " står två gånger");
    marks = static_cast<std::uint16_t>(marks | bit);
  }
  return divider_of(marks, true);
}

}  // namespace

BoardReading read_board(std::string_view text) {
  text = trim_blanks(text);
  if (text.empty()) return fault("tomt; skriv t.ex. 451 eller J F D M");
  // The first character tells the form: no line is named V or X.
  if (is_digit(text[0])) return read_divider(text);
  if (is_mark(text[0])) return read_pattern(text);
  return read_lines(text);
}

bool reads_as_board(std::string_view text) {
  return !all_digits(text) && read_board(text).fault.empty();
}

}  // namespace delartal::plan
