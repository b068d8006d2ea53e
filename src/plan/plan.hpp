// delartal-plan's whole run: what its arguments or input lines ask for,
// written in the chosen format.
#pragma once

#include <string_view>
#include <vector>

#include "input.hpp"
#include "output.hpp"

namespace delartal::plan {

// What each of its messages starts with.
constexpr std::string_view message_start = "delartal-plan: ";

// Runs the command with these arguments (the program name left out); reads
// from `in` when no frequency or board is given. Returns the exit status: 0
// when every argument or line gave its rows, 1 when any was refused, 2 for a
// usage error.
int run_plan(const std::vector<std::string_view>& arguments, ByteSource& in, TextSink& out,
             TextSink& err);

}  // namespace delartal::plan
