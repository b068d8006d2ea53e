// The CSV format, RFC 4180: a header row, a full stop as the decimal point,
// fields quoted only where they must be, CR LF after every record.
#pragma once

#include <string>

#include "rows.hpp"

namespace delartal::plan {

// The column names, fixed, for scripts to rely on.
std::string csv_forward_header(char delimiter);
std::string csv_reverse_header(char delimiter);
std::string csv_row(const ForwardRow& row, char delimiter);
std::string csv_row(const ReverseRow& row, char delimiter);

}  // namespace delartal::plan
