// The command line: GNU-style options, long and short, anywhere before "--".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sheets/sheet_style.hpp"

namespace delartal::plan {

struct Options {
  SheetStyle style;
  std::optional<std::int32_t> variant;  // both when empty, variant 1 first
  bool delimiter_given = false;
  bool help = false;
  bool version = false;
  std::vector<std::string_view> operands;  // frequencies, ranges or boards
};

struct ParsedOptions {
  Options options;
  std::string fault;  // a usage error when not empty
};

// -v/--variant 1|2, -r/--reverse, -f/--format text|csv|json|html,
// -d/--delimiter C and --decimal-comma (CSV only), -h/--help, -V/--version.
// A long option may be shortened while it stays unambiguous, and takes its
// value after "=" or as the next argument; short options may be bundled
// ("-rv1").
ParsedOptions parse_options(const std::vector<std::string_view>& arguments);

}  // namespace delartal::plan
