// Standard input as lines, in bounded memory whatever their length.
#pragma once

#include <cstddef>
#include <string>

#include "input.hpp"

namespace delartal::plan {

// Longer than any frequency, range or board needs.
constexpr std::size_t max_line = 4096;

enum class LineRead { line, too_long, ended };

// Reads the next line into `line`, without its line end: LF, CR LF or a lone
// CR, as old Macs and some Windows exports end lines, in any mix. A line
// longer than max_line bytes, not counting the blanks that end it, is passed
// over to its end and reported as too long, with its first max_line bytes in
// `line`.
LineRead read_line(Input& in, std::string& line);

// Moves past the line end that starts at the current byte, a CR LF whole.
void pass_line_end(Input& in);

}  // namespace delartal::plan
