// Texts from the input as the program shows them: in UTF-8, and without a
// control character that could steer a terminal. Every such character is
// shown in one form everywhere, its code in hex between angle brackets: ESC
// is "<1B>", NUL "<00>", the C1 control NEL "<85>", and a byte order mark
// inside a line "<FEFF>".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace delartal::plan {

// A name as a table or a card shows it: UTF-8 (see as_utf8), every control
// character but TAB, CR and LF, and every byte order mark, in the visible form.
std::string visible(std::string_view text);

// A text as a message shows it, on one line: the same, with TAB, CR and LF in
// the visible form too.
std::string printable(std::string_view text);

// The same in quotes: ”145.6x”.
std::string quoted(std::string_view text);

// The text's first twelve characters.
std::string_view line_start(std::string_view text);

// As printable, up to twelve columns of it, then an ellipsis where there is
// more: a cell or a column's name as a message quotes it.
std::string shortened(std::string_view text);

}  // namespace delartal::plan
