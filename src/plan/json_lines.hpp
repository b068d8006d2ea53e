// The JSON Lines format, for scripts and jq: one object a row, with the CSV's
// field names and values. Decimal numbers stay strings, so that nothing is
// rounded again on the way; the divider and the variant are numbers, and
// i_matrisen is true or false.
#pragma once

#include <string>

#include "rows.hpp"

namespace delartal::plan {

std::string json_row(const ForwardRow& row);
std::string json_row(const ReverseRow& row);

}  // namespace delartal::plan
