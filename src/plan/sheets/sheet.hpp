// A plan's output in the chosen format: its start, one piece per row, its end.
#pragma once

#include <string>

#include "sheets/rows.hpp"
#include "sheets/sheet_style.hpp"

namespace delartal::plan {

std::string sheet_start(const SheetStyle& style);
std::string sheet_row(const SheetStyle& style, const ForwardRow& row);
std::string sheet_row(const SheetStyle& style, const ReverseRow& row);
std::string sheet_end(const SheetStyle& style);

}  // namespace delartal::plan
