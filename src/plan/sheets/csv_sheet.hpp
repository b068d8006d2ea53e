// The CSV format, RFC 4180: a header row, fields quoted only where they must
// be, CR LF after every record, and the decimal point the style asks for.
#pragma once

#include <string>

#include "sheets/rows.hpp"
#include "sheets/sheet_style.hpp"

namespace delartal::plan {

// The column names, fixed, for scripts to rely on; new ones only ever come
// last.
std::string csv_forward_header(const SheetStyle& style);
std::string csv_reverse_header(const SheetStyle& style);
std::string csv_row(const ForwardRow& row, const SheetStyle& style);
std::string csv_row(const ReverseRow& row, const SheetStyle& style);

}  // namespace delartal::plan
