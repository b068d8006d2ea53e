// Reading the frequency: a decimal or hexadecimal number as "%f" reads one,
// converted exactly to single precision by way of a 64-bit significand.
#pragma once

#include <optional>

#include "input.hpp"

namespace delartal {

// Reads, from the current byte, an optional sign and then either digits with
// an optional full stop and fraction digits and an optional exponent (e or E,
// optional sign, digits), or after 0x or 0X hexadecimal digits with an
// optional point and an optional binary exponent (p or P). The number ends
// where strtod ends it: "146e" reads 146 and leaves the "e", "146,5" reads 146
// and leaves ",5". The full stop is the only decimal separator; inf and nan
// are not numbers here.
//
// The value is rounded to a 64-bit significand and that to single precision,
// both to nearest with ties to even, exactly for texts of any length, in
// bounded memory. Empty, having read nothing, when no number starts here.
std::optional<float> read_float(Input& in);

}  // namespace delartal
