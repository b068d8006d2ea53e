// UTF-8, as delartal-plan's input may hold it, or not.
#pragma once

#include <cstddef>
#include <string_view>

namespace delartal::plan {

// The length of the well-formed UTF-8 character that starts `text`, or 0
// when none does (a stray byte, an overlong form, a surrogate, a value past
// U+10FFFF, or a character cut short).
std::size_t utf8_length(std::string_view text);

}  // namespace delartal::plan
