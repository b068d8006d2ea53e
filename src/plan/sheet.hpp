// A plan's output in the chosen format: its start, one piece per row, its end.
#pragma once

#include <string>

#include "rows.hpp"

namespace delartal::plan {

enum class Format { text, csv, json, html };
enum class Direction { forward, reverse };

struct SheetStyle {
  Format format = Format::text;
  Direction direction = Direction::forward;
  char delimiter = ',';        // for CSV
  bool decimal_comma = false;  // CSV's decimal numbers with a comma, for Swedish spreadsheets
};

std::string sheet_start(const SheetStyle& style);
std::string sheet_row(const SheetStyle& style, const ForwardRow& row);
std::string sheet_row(const SheetStyle& style, const ReverseRow& row);
std::string sheet_end(const SheetStyle& style);

}  // namespace delartal::plan
