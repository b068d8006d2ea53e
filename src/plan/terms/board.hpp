// A matrix as the operator describes it, read back to its divider.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace delartal::plan {

struct BoardReading {
  std::int32_t divider = 0;
  std::string fault;  // empty when the board was read
};

// Reads a board given as one of:
// - a divider, 0 to 9999 ("451");
// - the lines that hold a diode, A to M in any order and either case, with or
//   without spaces or commas between them ("J F D M", "jfdm", "J,F,D,M");
// - a pattern row as the report prints it, 16 marks of V and x in the label
//   row's order, spaces between them optional.
// The first character tells which. A board that no divider can have gets a
// fault that names what is wrong: the stray character itself, or the digit
// group whose lines make no digit; a frequency given for a board is called
// that.
BoardReading read_board(std::string_view text);

// Whether a text meant as a frequency reads as a board other than a bare
// divider: the words of "J F D M" are none of a frequency and a name.
bool reads_as_board(std::string_view text);

}  // namespace delartal::plan
