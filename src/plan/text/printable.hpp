// Texts from the input as a message may show them: in UTF-8, without a
// control character that could steer a terminal, and short enough for a line.
#pragma once

#include <string>
#include <string_view>

namespace delartal::plan {

// The text in UTF-8 (see as_utf8), each control character a "?".
std::string printable(std::string_view text);

// The same in quotes: ”145.6x”.
std::string quoted(std::string_view text);

// The text's first twelve characters.
std::string_view line_start(std::string_view text);

// Its first twelve characters, printable, then an ellipsis where there are
// more: a cell or a column's name as a message quotes it.
std::string shortened(std::string_view text);

}  // namespace delartal::plan
