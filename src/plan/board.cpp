#include "board.hpp"

#include <cstddef>

#include "matrix_lines.hpp"
#include "typed_frequency.hpp"

namespace delartal::plan {
namespace {

constexpr const char* group_names[4] = {"tusentalets", "hundratalets", "tiotalets", "entalets"};

BoardReading fault(std::string text) {
  return {0, std::move(text)};
}

bool is_separator(char c) {
  return c == ' ' || c == '\t' || c == ',';
}

bool is_mark(char c) {
  return c == 'V' || c == 'v' || c == 'x' || c == 'X';
}

// The character a fault is about, as the message names it.
std::string describe(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte > ' ' && byte < 0x7F) return std::string("tecknet ”") + c + "”";
  return "ett tecken utanför ASCII";
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
      return fault(std::string(group_names[group]) + (lines ? " linjer " : " mönster ") + named +
                   " ger " + std::to_string(digit) + ", ingen siffra 0–9");
    }
    divider = divider * 10 + digit;
  }
  return {divider, {}};
}

BoardReading read_divider(std::string_view text) {
  std::int32_t divider = 0;
  for (const char c : text) {
    divider = divider * 10 + (c - '0');
    if (divider > 9999) return fault("delartalet ligger utanför 0–9999");
  }
  return {divider, {}};
}

BoardReading read_pattern(std::string_view text) {
  std::uint16_t marks = 0;
  std::size_t count = 0;
  for (const char c : text) {
    if (c == ' ' || c == '\t') continue;
    if (!is_mark(c)) return fault(describe(c) + " hör inte till en mönsterrad av V och x");
    if (count < 16) {
      const unsigned bit = c == 'V' || c == 'v' ? 1U : 0U;
      marks = static_cast<std::uint16_t>(static_cast<unsigned>(marks) << 1U | bit);
    }
    ++count;
  }
  if (count != 16) {
    return fault("en mönsterrad har 16 tecken V och x, den här har " + std::to_string(count));
  }
  return divider_of(marks, false);
}

BoardReading read_lines(std::string_view text) {
  std::uint16_t marks = 0;
  for (const char c : text) {
    if (is_separator(c)) continue;
    const char line = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    const std::size_t mark = line_of_mark.find(line);
    if (line == '-' || mark == std::string_view::npos) {
      if (line >= 'A' && line <= 'Z') {
        return fault(std::string("bokstaven ") + line + " är ingen linje i matrisen (A–M)");
      }
      return fault(describe(c) + " hör inte till en lista av linjer A–M");
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
  if (text.empty())
    return fault("ett tomt kort; skriv ett delartal, linjer A–M eller en mönsterrad");
  if (text.find_first_not_of("0123456789") == std::string_view::npos) return read_divider(text);
  for (const char c : text) {
    if (is_mark(c)) return read_pattern(text);
  }
  return read_lines(text);
}

}  // namespace delartal::plan
