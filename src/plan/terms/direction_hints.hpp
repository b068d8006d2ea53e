// How a refusal ends where the text was meant for the other direction: a
// board given for a frequency, or a frequency for a board. The page puts its
// own views in the options' place.
#pragma once

#include <string_view>

namespace delartal::plan {

constexpr std::string_view board_hint = "ser ut som ett kort; lägg till -r";
constexpr std::string_view frequency_hint = "ser ut som en frekvens; ta bort -r";

}  // namespace delartal::plan
