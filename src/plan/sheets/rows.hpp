// One row of a plan, in either direction, as every format gets it.
#pragma once

#include <cstdint>
#include <string_view>

#include "terms/band.hpp"

namespace delartal::plan {

// From a frequency to its divider.
struct ForwardRow {
  std::string_view frequency;  // as given, a decimal comma written as a point
  std::int32_t variant;
  float value;  // the frequency as delartal reads it
  std::int32_t divider;
  std::string_view name;  // the channel's name from its input line, or empty
};

// From a divider to its frequencies.
struct ReverseRow {
  std::int32_t divider;
  std::int32_t variant;
  Band band;
  std::string_view name;  // the board's name from its input line, or empty
};

// Dividers the matrix has room for; higher ones are shown all the same.
constexpr bool fits_matrix(std::int32_t divider) {
  return divider <= 1999;
}

// Whether the divider fits the matrix, as the tables say it.
constexpr std::string_view fits_matrix_answer(std::int32_t divider) {
  return fits_matrix(divider) ? "ja" : "nej";
}

// The variant's offsets as the menu writes them.
constexpr std::string_view offsets_of(std::int32_t variant) {
  return variant == 1 ? "Offset 70,2 / 59,5 MHz (Tx/Rx)" : "Offset 70,1 / 59,4 MHz (Tx/Rx)";
}

}  // namespace delartal::plan
