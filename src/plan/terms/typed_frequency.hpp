// A frequency given on the command line or on a line of standard input.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace delartal::plan {

struct TypedFrequency {
  std::string text;  // as given, without blanks or unit, a decimal comma as a point
  float value;       // as delartal reads the same text
};

// Reads `text` with delartal's own reader, to the same single-precision value.
// Unlike an answer in the dialogue, the whole text must be the number
// ("146abc" is none), a decimal comma counts as a point ("145,5"), a unit
// MHz may follow it ("145.6 MHz", any case), and a 2 m channel's name
// ("RV48", "R2x") is read as its frequency.
std::optional<TypedFrequency> read_typed_frequency(std::string_view text);

// The unit frequencies are given in.
constexpr std::string_view frequency_unit = "MHz";

// Whether the text is that unit, in any case.
bool is_unit(std::string_view text);

}  // namespace delartal::plan
