// The divider for a channel frequency and the report of its diodes in the
// matrix: lines A to M under the four decimal digits of the divider.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "output.hpp"
#include "text_buffer.hpp"

namespace delartal {

// A digit's pattern text, NUL-terminated, in the ten bytes the report gives it.
using Pattern = std::array<char, 10>;

// Writes the diode pattern of digit `num`, most significant bit first, "V"
// for 1 and "x" for 0 ("x V x V" for 5), NUL-terminated, into the first eight
// bytes of `str`. Writes nothing for a num outside 0..9.
void i2bcd(std::int32_t num, Pattern& str);

// The divider for the scaled quotient a: the nearest whole number, halves upward.
std::int32_t round_off(float a);

// The divider for frequency f (MHz) with offset variant ver (1 for 70.2 MHz,
// 2 for 70.1 MHz), as the calculation gives it: it never falls as f grows.
// Empty when ver is no variant or f lies outside [64, 1024) MHz, where no
// divider in 0..9999 comes from.
std::optional<std::int32_t> calculated_divider(float f, std::int32_t ver);

// The calculated divider when it lies in 0..9999, the four digits the report
// has room for; empty otherwise.
std::optional<std::int32_t> divider_for(float f, std::int32_t ver);

// The patterns of the four digits of divider n (0..9999), thousands first.
std::array<Pattern, 4> digit_patterns(std::int32_t n);

// The four digits' patterns in a row over the label row that names each
// mark's line, each row starting with `indent`, a line end between them and
// none after: how the report, the table and the cards all show divider n.
TextBuffer<96> pattern_rows(std::int32_t n, std::string_view indent);

// The report's own lines for frequency f and its divider n (0..9999), from
// " Frekvensen" to the label row, each with its line end: what the dialogue
// frames with empty lines, and what the page shows as the report.
TextBuffer<256> report_body(float f, std::int32_t n);

// Computes the divider for frequency f (MHz) with offset variant ver and
// writes the whole report to out in one text. Writes nothing and returns
// false when divider_for has no divider for them.
bool printN(TextSink& out, float f, std::int32_t ver);

// The report for frequency f and its divider n (0..9999), as printN writes
// it, for a caller that has the divider already.
void print_report(TextSink& out, float f, std::int32_t n);

}  // namespace delartal
