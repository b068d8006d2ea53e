#include "dialogue.hpp"

#include <cstdint>
#include <optional>
#include <string_view>

#include "channel.hpp"
#include "matrix_report.hpp"
#include "read_float.hpp"
#include "read_integer.hpp"

namespace delartal {
namespace {

// ISO 8859-1 throughout: \xE4 is ä, \xE5 is å, \xF6 is ö. Every line stays
// within 79 columns, so that none wraps in an 80-column console.
constexpr std::string_view menu =
    "\nV\xE4lj:\n 1.Offset 70,2 / 59,5 MHz (Tx/Rx)\n 2.Offset 70,1 / 59,4 MHz (Tx/Rx)\n? ";
constexpr std::string_view frequency_prompt = "\nFrekvens i MHz? ";
constexpr std::string_view closing_prompt = "Tryck valfri tangent\n";

constexpr std::string_view not_a_variant = "Svara 1 eller 2.\n";
constexpr std::string_view not_a_number =
    "Skriv frekvensen i MHz som ett tal, till exempel 146.0125.\n";
// Channel 0 of each variant lies at twice its offset, channel 9999 at 9999
// steps of 12.5 kHz above that, and channel 1999, the matrix's last, at
// 1999 steps.
constexpr std::string_view outside_band_1 =
    "Frekvensen ger inget delartal mellan 0 och 9999: v\xE4lj 140.4 till 265.3875 MHz.\n"
    "Matrisen rymmer delartal 0 till 1999 (till 165.3875 MHz); h\xF6gre visas bara.\n";
constexpr std::string_view outside_band_2 =
    "Frekvensen ger inget delartal mellan 0 och 9999: v\xE4lj 140.2 till 265.1875 MHz.\n"
    "Matrisen rymmer delartal 0 till 1999 (till 165.1875 MHz); h\xF6gre visas bara.\n";

// On standard error.
constexpr std::string_view decimal_comma =
    "Obs: kommat avslutade talet; skriv decimaler med punkt, till exempel 146.5.\n";
constexpr std::string_view input_ended =
    "Indata tog slut innan b\xE5"
    "da svaren var l\xE4sta.\n";
constexpr std::string_view read_failed = "Kunde inte l\xE4sa fr\xE5n standard in.\n";
constexpr std::string_view write_failed = "Kunde inte skriva till standard ut.\n";

// Whether a prompt still holds the console's cursor at the end of its line.
// A console hands over a line once the operator has ended it, so the rest of
// a line typed before the prompt appeared was already ended on the screen;
// only a line end after that one closes the prompt's line.
class PromptLine {
 public:
  // A prompt was written while the reading stood inside an earlier line or,
  // for `inside_line` false, at the start of one.
  void prompted(bool inside_line) {
    open_ = true;
    earlier_line_ = inside_line;
  }
  // A line end was read.
  void ended_line() {
    if (earlier_line_) {
      earlier_line_ = false;
    } else {
      open_ = false;
    }
  }
  // Open, as the reading stands now; `line_end_held` tells whether the end of
  // the line being read has already arrived.
  bool open(bool line_end_held) const { return open_ && (earlier_line_ || !line_end_held); }
  // A message was written on a line of its own: the cursor has left the prompt.
  void left() { open_ = false; }

 private:
  bool open_ = false;
  bool earlier_line_ = false;
};

// The dialogue's streams, and where the console's cursor stands.
struct Console {
  Input in;
  ByteSource& source;
  TextSink& out;
  TextSink& err;
  PromptLine line;

  // Writes a text to standard output; false once a write has failed.
  bool say(std::string_view text) {
    out.write(text);
    return !out.failed();
  }

  bool prompt(std::string_view text, bool inside_line) {
    line.prompted(inside_line);
    return say(text);
  }

  // Writes a message on a line of its own: after a line end when the
  // prompt's line is still open on the console, as it is when the answer
  // came from the rest of a line typed before the prompt ("1,5" at the menu).
  void message(TextSink& to, std::string_view text, bool line_end_held) {
    if (line.open(line_end_held)) to.write("\n");
    to.write(text);
    line.left();
  }

  // A refused answer costs the rest of its line, and then gets its message
  // on standard output: discarding the line first tells, whatever the input
  // has handed over so far, whether its end was typed. False once a write
  // has failed.
  bool refuse(std::string_view text) {
    const bool line_ended = discard_line(in);
    message(out, text, line_ended);
    return !out.failed();
  }

  // A message on standard error, while the answer's line is still being read.
  void warn(std::string_view text) {
    message(err, text, in.held().find('\n') != std::string_view::npos);
  }

  // Skips white space, line ends included, and notes each line end. False
  // when the input ends first.
  bool skip_space() {
    for (int byte = in.peek(); is_space(byte); byte = in.peek()) {
      if (byte == '\n') line.ended_line();
      in.advance();
    }
    return in.peek() != end_of_input;
  }

  // The status of a dialogue that stops before its report: the input ended,
  // or could not be read.
  int stop_at_end_of_input() {
    warn(source.failed() ? read_failed : input_ended);
    return 1;
  }

  // Standard output has failed, so where its prompt stood is unknown.
  int stop_at_failed_write() {
    err.write(write_failed);
    return 1;
  }
};

// True when the number just read ended at a comma followed by a digit: the
// operator most likely wrote a decimal comma, which ends the number here.
bool ended_at_decimal_comma(Input& in) {
  return in.peek() == ',' && in.peek(1) >= '0' && in.peek(1) <= '9';
}

// Names the channel that divider n gives when the report's frequency is
// another, a mistyped channel or a half step, before the operator solders it.
void notice_channel(Console& console, float freq, std::int32_t n, std::int32_t choice) {
  const TextBuffer<96> notice = channel_notice(freq, n, choice);
  if (notice.view().empty()) return;
  TextBuffer<128> text;
  text.append(notice.view());
  text.append("\n");
  console.warn(text.view());
}

}  // namespace

int run_dialogue(ByteSource& source, TextSink& out, TextSink& err) {
  Console console{Input(source), source, out, err, {}};
  Input& in = console.in;

  std::int32_t choice = 0;
  bool inside_line = false;
  for (;;) {
    if (!console.prompt(menu, inside_line)) return console.stop_at_failed_write();
    if (!console.skip_space()) return console.stop_at_end_of_input();
    const std::optional<std::int32_t> answer = read_integer(in);
    if (answer && (*answer == 1 || *answer == 2)) {
      choice = *answer;
      break;
    }
    if (!console.refuse(not_a_variant)) return console.stop_at_failed_write();
  }

  inside_line = true;
  for (;;) {
    if (!console.prompt(frequency_prompt, inside_line)) return console.stop_at_failed_write();
    if (!console.skip_space()) return console.stop_at_end_of_input();
    const std::optional<float> freq = read_float(in);
    if (freq && ended_at_decimal_comma(in)) console.warn(decimal_comma);
    const std::optional<std::int32_t> n = freq ? divider_for(*freq, choice) : std::nullopt;
    if (n) {
      notice_channel(console, *freq, *n, choice);
      print_report(out, *freq, *n);
      break;
    }
    if (!console.refuse(!freq ? not_a_number : choice == 1 ? outside_band_1 : outside_band_2))
      return console.stop_at_failed_write();
    inside_line = false;
  }
  if (out.failed() || !console.say(closing_prompt)) return console.stop_at_failed_write();

  // Wait for the operator: the rest of the frequency's line goes, then one
  // more byte, which on a console arrives with the next line end. At the end
  // of input there is nothing to wait for.
  discard_line(in);
  in.advance();
  return 0;
}

}  // namespace delartal
