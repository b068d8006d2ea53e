// The JSON Lines format, for scripts and jq: one object a row, with the CSV's
// field names and values. Decimal numbers stay strings, so that nothing is
// rounded again on the way; the divider and the variant are numbers, and
// i_matrisen is true or false.
#pragma once

#include <string>
#include <string_view>

#include "sheets/rows.hpp"

namespace delartal::plan {

// A JSON string. Every control character, C1 and DEL too, is escaped, so
// that no line holds one raw; a byte that is no part of a UTF-8 character,
// as in a name typed in another encoding, becomes U+FFFD, so that every line
// stays JSON.
std::string json_string(std::string_view text);

// The same, appended to `out`, for a text too large to copy twice.
void append_json_string(std::string& out, std::string_view text);

std::string json_row(const ForwardRow& row);
std::string json_row(const ReverseRow& row);

}  // namespace delartal::plan
