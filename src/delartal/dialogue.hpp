// The whole dialogue with the operator: the menu of offset variants, the
// frequency, the report and the closing prompt.
#pragma once

#include "input.hpp"
#include "output.hpp"

namespace delartal {

// Runs one dialogue over the given streams and returns the exit status: 0
// once the report is written (also when the input ends at the closing
// prompt), 1 with a message on `err` when the input ends or fails before both
// answers are read, or at the first write to `out` that fails. An answer that
// cannot be used gets a message, the rest of its line is discarded, and the
// question is asked again. A frequency that ends at a decimal comma is read
// as it stands, with a notice on `err`; so is one whose report shows another
// frequency than the channel its divider gives, and the notice names that.
int run_dialogue(ByteSource& source, TextSink& out, TextSink& err);

}  // namespace delartal
