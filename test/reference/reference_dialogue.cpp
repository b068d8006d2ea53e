#include "reference_dialogue.hpp"

#include <cmath>
#include <cstdint>
#include <string>

#include "dialogue_text.hpp"
#include "reference_divider.hpp"
#include "reference_read.hpp"
#include "reference_text.hpp"

namespace delartal::reference {
namespace {

namespace text = delartal::test;

std::string report(const std::string& shown, std::int64_t divider) {
  return "\n\n\n Frekvensen " + shown + " ger delartalet " + std::to_string(divider) +
         "\n\n  Dioder i matrisen\n\n  " + pattern(divider / 1000) + "  " +
         pattern(divider / 100 % 10) + "  " + pattern(divider / 10 % 10) + "  " +
         pattern(divider % 10) + "\n  - - - L  K J I H  G F E D  C B A M\n\n";
}

// Reading position over the input, with the moves the dialogue makes, and
// the line ends it has passed.
struct Cursor {
  std::string_view text;
  std::size_t at = 0;
  std::size_t lines_passed = 0;

  // Skips white space; false when the input ends first.
  bool skip_space() {
    while (at < text.size() &&
           std::string_view(" \t\n\v\f\r").find(text[at]) != std::string_view::npos)
      lines_passed += text[at++] == '\n' ? 1 : 0;
    return at < text.size();
  }
  void skip_line() {
    const std::size_t end = text.find('\n', at);
    at = end == std::string_view::npos ? text.size() : end + 1;
    lines_passed += end == std::string_view::npos ? 0 : 1;
  }
  [[nodiscard]] std::string_view rest() const { return text.substr(at); }
};

// A message, on either stream, starts a line of its own while a prompt's
// line is open on the console: until a line end is read that the operator
// typed after the prompt appeared, or a message has taken the cursor to a new
// line. When the prompt came with the reading inside a line, that line's own
// end was already typed; and the line being read counts as ended once its end
// is in the input.
struct Screen {
  std::size_t closing_line = 0;  // lines_passed beyond which the prompt is closed
  bool left = false;             // a message has ended the prompt's line

  void prompted(const Cursor& in, bool inside_line) {
    closing_line = in.lines_passed + (inside_line ? 1 : 0);
    left = false;
  }
  void add(const Cursor& in, std::string& stream, const std::string& message) {
    const bool line_end_typed =
        in.lines_passed + (in.rest().find('\n') != std::string_view::npos ? 1 : 0) > closing_line;
    if (!line_end_typed && !left) stream += '\n';
    stream += message;
    left = true;
  }
};

}  // namespace

Transcript dialogue(std::string_view input, bool read_fails) {
  Transcript t;
  Screen screen;
  Cursor in{input};
  const auto stop = [&] {
    screen.add(in, t.err, read_fails ? text::read_failed : text::ended);
    return Transcript{t.out, t.err, 1};
  };
  int variant = 0;
  bool inside_line = false;
  while (variant == 0) {
    t.out += text::menu;
    screen.prompted(in, inside_line);
    if (!in.skip_space()) return stop();
    const IntegerRead answer = read_integer(in.rest());
    in.at += answer.length;
    if (answer.value == 1 || answer.value == 2) {
      variant = *answer.value;
    } else {
      screen.add(in, t.out, text::not_a_variant);
      in.skip_line();
    }
  }
  inside_line = true;
  for (;;) {
    t.out += text::prompt;
    screen.prompted(in, inside_line);
    if (!in.skip_space()) return stop();
    const FloatRead answer = read_float(in.rest());
    in.at += answer.length;
    const std::string_view after = in.rest();
    if (answer.length != 0 && after.size() >= 2 && after[0] == ',' && after[1] >= '0' &&
        after[1] <= '9')
      screen.add(in, t.err, text::decimal_comma);
    if (answer.length == 0) {
      screen.add(in, t.out, text::not_a_number);
    } else {
      const std::int64_t divider =
          std::isfinite(answer.value) ? divider_steps(answer.value, variant).divider : -1;
      if (divider >= 0 && divider <= 9999) {
        const std::uint64_t shown = ten_thousandths(answer.value);
        if (shown != channel(divider, variant)) {
          screen.add(in, t.err,
                     "Obs: delartalet " + std::to_string(divider) + " ger kanalen " +
                         four_decimals(channel(divider, variant)) + " MHz, inte " +
                         four_decimals(shown) + ".\n");
        }
        t.out += report(four_decimals(shown), divider);
        break;
      }
      screen.add(in, t.out, variant == 1 ? text::outside_1 : text::outside_2);
    }
    in.skip_line();
    inside_line = false;
  }
  t.out += text::closing;
  return t;
}

}  // namespace delartal::reference
