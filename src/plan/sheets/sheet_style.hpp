// How a plan is to be written: its format and direction, and for CSV its
// delimiter and decimal mark.
#pragma once

namespace delartal::plan {

enum class Format { text, csv, json, html };
enum class Direction { forward, reverse };

struct SheetStyle {
  Format format = Format::text;
  Direction direction = Direction::forward;
  char delimiter = ',';        // for CSV
  bool decimal_comma = false;  // CSV's decimal numbers with a comma, for Swedish spreadsheets
};

}  // namespace delartal::plan
