#include "reference_dialogue.hpp"

#include <cmath>
#include <cstdint>
#include <string>

#include "dialogue_text.hpp"
#include "reference_divider.hpp"
#include "reference_read.hpp"

namespace delartal::reference {
namespace {

namespace text = delartal::test;

std::string pattern(std::int64_t digit) {
  std::string text;
  for (int bit = 3; bit >= 0; --bit) {
    if (bit != 3) text += ' ';
    text += ((digit >> bit) & 1) != 0 ? 'V' : 'x';
  }
  return text;
}

std::string report(std::uint64_t ten_thousandths, std::int64_t divider) {
  std::string fraction = std::to_string(ten_thousandths % 10000);
  fraction.insert(0, 4 - fraction.size(), '0');
  return "\n\n\n Frekvensen " + std::to_string(ten_thousandths / 10000) + "." + fraction +
         " ger delartalet " + std::to_string(divider) + "\n\n  Dioder i matrisen\n\n  " +
         pattern(divider / 1000) + "  " + pattern(divider / 100 % 10) + "  " +
         pattern(divider / 10 % 10) + "  " + pattern(divider % 10) +
         "\n  - - - L  K J I H  G F E D  C B A M\n\n";
}

// Reading position over the input, with the moves the dialogue makes.
struct Cursor {
  std::string_view text;
  std::size_t at = 0;

  // Skips white space; false when the input ends first.
  bool skip_space() {
    while (at < text.size() &&
           std::string_view(" \t\n\v\f\r").find(text[at]) != std::string_view::npos)
      ++at;
    return at < text.size();
  }
  void skip_line() {
    const std::size_t end = text.find('\n', at);
    at = end == std::string_view::npos ? text.size() : end + 1;
  }
  [[nodiscard]] std::string_view rest() const { return text.substr(at); }
};

}  // namespace

Transcript dialogue(std::string_view input) {
  Transcript t;
  Cursor in{input};
  int variant = 0;
  while (variant == 0) {
    t.out += text::menu;
    if (!in.skip_space()) return {t.out, text::ended, 1};
    const IntegerRead answer = read_integer(in.rest());
    in.at += answer.length;
    if (answer.value == 1 || answer.value == 2) {
      variant = *answer.value;
    } else {
      t.out += text::not_a_variant;
      in.skip_line();
    }
  }
  for (;;) {
    t.out += text::prompt;
    if (!in.skip_space()) return {t.out, text::ended, 1};
    const FloatRead answer = read_float(in.rest());
    in.at += answer.length;
    if (answer.length == 0) {
      t.out += text::not_a_number;
    } else {
      const std::int64_t divider =
          std::isfinite(answer.value) ? divider_steps(answer.value, variant).divider : -1;
      if (divider >= 0 && divider <= 9999) {
        t.out += report(ten_thousandths(answer.value), divider);
        break;
      }
      t.out += variant == 1 ? text::outside_1 : text::outside_2;
    }
    in.skip_line();
  }
  t.out += text::closing;
  return t;
}

}  // namespace delartal::reference
