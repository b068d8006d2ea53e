// The parts of delartal-plan's messages that others build on: the page shows
// its messages without their start, and points to its own views instead of
// the options.
#pragma once

#include <string_view>

namespace delartal::plan {

// What each of its messages starts with.
constexpr std::string_view message_start = "delartal-plan: ";

// How a refusal ends where the text was meant for the other direction.
constexpr std::string_view board_hint = "ser ut som ett kort; lägg till -r";
constexpr std::string_view frequency_hint = "ser ut som en frekvens; ta bort -r";

}  // namespace delartal::plan
