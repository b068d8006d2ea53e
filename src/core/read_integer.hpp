// Reading the offset variant: a whole number as "%i" reads one.
#pragma once

#include <cstdint>
#include <optional>

#include "input.hpp"

namespace delartal {

// Reads, from the current byte, an optionally signed whole number written like
// an integer literal: 0x or 0X gives hexadecimal, 0b or 0B binary, any other
// leading 0 octal, otherwise decimal. It ends at the first byte that is not a
// digit of its base, which stays unread ("08" reads 0, "0x" followed by no hex
// digit reads 0 and leaves the "x"). Empty, having read nothing, when no number
// starts here; empty too when the number lies outside the 32-bit range, for
// which all its digits are read.
std::optional<std::int32_t> read_integer(Input& in);

}  // namespace delartal
