// The text format: an aligned table for reading in a terminal, each row
// followed by its pattern row over the label row, as the report shows them.
#pragma once

#include <string>

#include "sheets/rows.hpp"

namespace delartal::plan {

std::string text_forward_header();
std::string text_reverse_header();
std::string text_row(const ForwardRow& row);
std::string text_row(const ReverseRow& row);

}  // namespace delartal::plan
