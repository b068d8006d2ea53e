// What a card, and the page beside it, says of whether a divider fits the
// matrix: its three first thousands places have no line, so it holds
// dividers up to 1999.
#pragma once

#include <string_view>

namespace delartal::plan {

inline constexpr std::string_view fits_sentence = "Ryms i matrisen.";
inline constexpr std::string_view misfit_sentence =
    "Ryms inte i matrisen: den har plats för delartal 0–1999.";

}  // namespace delartal::plan
