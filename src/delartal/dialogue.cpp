#include "dialogue.hpp"

#include <cstdint>
#include <optional>
#include <string_view>

#include "matrix_report.hpp"
#include "read_float.hpp"
#include "read_integer.hpp"

namespace delartal {
namespace {

// ISO 8859-1 throughout: \xE4 is ä, \xE5 is å.
constexpr std::string_view menu =
    "\nV\xE4lj:\n 1.Offset 70,2 / 59,5 MHz (Tx/Rx)\n 2.Offset 70,1 / 59,4 MHz (Tx/Rx)\n? ";
constexpr std::string_view frequency_prompt = "\nFrekvens i MHz? ";
constexpr std::string_view closing_prompt = "Tryck valfri tangent\n";

constexpr std::string_view not_a_variant = "Svara 1 eller 2.\n";
constexpr std::string_view not_a_number =
    "Skriv frekvensen i MHz som ett tal, till exempel 146.0125.\n";
// Channel 0 of each variant lies at twice its offset, channel 9999 at
// 9999 steps of 12.5 kHz above that.
constexpr std::string_view outside_band_1 =
    "Frekvensen ger inget delartal mellan 0 och 9999; v\xE4lj en frekvens mellan 140.4 och "
    "265.3875 MHz.\n";
constexpr std::string_view outside_band_2 =
    "Frekvensen ger inget delartal mellan 0 och 9999; v\xE4lj en frekvens mellan 140.2 och "
    "265.1875 MHz.\n";
constexpr std::string_view input_ended =
    "Indata tog slut innan b\xE5"
    "da svaren var l\xE4sta.\n";

int input_ended_early(TextSink& err) {
  err.write(input_ended);
  return 1;
}

}  // namespace

int run_dialogue(ByteSource& source, TextSink& out, TextSink& err) {
  Input in(source);

  std::int32_t choice = 0;
  for (;;) {
    out.write(menu);
    if (!skip_space(in)) return input_ended_early(err);
    const std::optional<std::int32_t> answer = read_integer(in);
    if (answer && (*answer == 1 || *answer == 2)) {
      choice = *answer;
      break;
    }
    out.write(not_a_variant);
    discard_line(in);
  }

  for (;;) {
    out.write(frequency_prompt);
    if (!skip_space(in)) return input_ended_early(err);
    const std::optional<float> freq = read_float(in);
    if (!freq) {
      out.write(not_a_number);
    } else if (printN(out, *freq, choice)) {
      break;
    } else {
      out.write(choice == 1 ? outside_band_1 : outside_band_2);
    }
    discard_line(in);
  }

  out.write(closing_prompt);
  // Wait for the operator: the rest of the frequency's line goes, then one
  // more byte, which on a console arrives with the next line end. At the end
  // of input there is nothing to wait for.
  discard_line(in);
  in.advance();
  return 0;
}

}  // namespace delartal
