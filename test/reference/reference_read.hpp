// What "%f" and "%i" read from the start of a text, found the plain way: the
// longest prefix the number's grammar accepts, then its exact value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace delartal::reference {

struct FloatRead {
  std::size_t length = 0;  // bytes of the number; 0 when none starts here
  float value = 0.0F;      // through a 64-bit significand, then single precision
};

struct IntegerRead {
  std::size_t length = 0;             // bytes of the number; 0 when none starts here
  std::optional<std::int32_t> value;  // empty outside the 32-bit range
};

// The text must start where the number may: white space is not skipped. The
// value is built digit by digit in one big integer, so the cost grows with the
// square of the length: meant for texts of some thousands of bytes.
FloatRead read_float(std::string_view text);
IntegerRead read_integer(std::string_view text);

}  // namespace delartal::reference
