// The frequency as the report shows it.
#pragma once

#include "text_buffer.hpp"

namespace delartal {

// f with four decimals, as "%.4f" writes it except that an exact half at the
// fifth decimal rounds away from zero: 146.03125 gives "146.0313". For |f|
// below 2^40.
TextBuffer<32> four_decimals(float f);

}  // namespace delartal
