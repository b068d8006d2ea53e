// The whole dialogue with the operator: the menu of offset variants, the
// frequency, the report and the closing prompt.
#pragma once

#include "input.hpp"
#include "output.hpp"

namespace delartal {

// Runs one dialogue over the given streams and returns the exit status: 0
// once the report is written (also when the input ends at the closing
// prompt), 1 when the input ends before both answers are read. An answer
// that cannot be used gets a one-line message, the rest of its line is
// discarded, and the question is asked again.
int run_dialogue(ByteSource& source, TextSink& out, TextSink& err);

}  // namespace delartal
