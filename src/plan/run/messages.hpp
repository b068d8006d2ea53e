// The wording of delartal-plan's messages on standard error: each starts with
// the program's name, says where (an argument, or "rad N" of a list) and why.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace delartal::plan {

// What each of its messages starts with; the page shows them without it.
constexpr std::string_view message_start = "delartal-plan: ";

// "delartal-plan: WHERE: WHY" and its line end.
std::string refusal(std::string_view where, std::string_view why);

// A note on its own line: "delartal-plan: TEXT".
std::string note(std::string_view text);

// A usage error, and where to read more.
std::string usage_fault(std::string_view fault);

// Why a frequency gives no divider with variant ver: the band the variant
// takes, stated by its channels 0 and 9999 as delartal states them.
std::string band_text(std::int32_t ver);

// How many of a range's frequencies gave no row, out of how many.
std::string left_out_text(std::uint64_t left_out, std::uint64_t of);

// Why a board gives no frequency with variant ver.
std::string no_frequency_text(std::int32_t ver);

}  // namespace delartal::plan
