// UTF-8, as delartal-plan's input may hold it, or not.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace delartal::plan {

// The length of the well-formed UTF-8 character that starts `text`, or 0
// when none does (a stray byte, an overlong form, a surrogate, a value past
// U+10FFFF, or a character cut short).
std::size_t utf8_length(std::string_view text);

// Where the first byte of `text` that starts no well-formed UTF-8 character
// stands, or npos when the whole text is UTF-8.
std::size_t first_invalid_utf8(std::string_view text);

// Whether `text` is the start of a well-formed UTF-8 character, cut short.
bool is_cut_short(std::string_view text);

// `text` read as Windows-1252, in UTF-8, which reads ISO 8859-1 too but for
// the controls 0x80 to 0x9F, which no list holds. The five bytes Windows-1252
// leaves undefined become U+FFFD.
std::string windows_1252_as_utf8(std::string_view text);

// A line as it stands where it is UTF-8, and else read as Windows-1252 whole:
// a list saved in one encoding is so line by line, whatever its other lines.
std::string as_utf8(std::string_view text);

}  // namespace delartal::plan
