// delartal-plan's whole run: what its arguments or input lines ask for,
// written in the chosen format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "input.hpp"
#include "output.hpp"

namespace delartal::plan {

// What a run found, beside its rows and messages, and how much it is to write.
struct PlanTally {
  // The rows written; those past them are counted, not made, a range's in a
  // few steps whatever its length: a page shows a plan's start and its size.
  std::uint64_t most_written = std::numeric_limits<std::uint64_t>::max();
  // All the rows the plan has, written or not.
  std::uint64_t rows = 0;
  // The arguments, lines and records that gave no row and were refused: a
  // line refused for both variants counts once.
  std::uint64_t refused_inputs = 0;
  // The channel notice of each of the first `notices_wanted` rows, in their
  // order: empty for a row on its divider's channel, and for a board's rows.
  std::uint64_t notices_wanted = 0;
  std::vector<std::string> notices;
};

// Runs the command with these arguments (the program name left out); reads
// from `in` when no frequency or board is given. Returns the exit status: 0
// when every argument or line gave its rows, 1 when any was refused, 2 for a
// usage error. Fills `tally`, where one is given.
int run_plan(const std::vector<std::string_view>& arguments, ByteSource& in, TextSink& out,
             TextSink& err, PlanTally* tally = nullptr);

}  // namespace delartal::plan
