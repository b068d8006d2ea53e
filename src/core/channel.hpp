// The channel a divider stands for: the centre of its 12.5 kHz step.
#pragma once

#include <cstdint>

#include "text_buffer.hpp"

namespace delartal {

// The channel of divider n (0..9999) with variant ver (1 or 2) in
// ten-thousandths of a MHz: exact, for sums on channels.
std::uint64_t channel_units(std::int32_t n, std::int32_t ver);

// The channel of divider n (0..9999) with variant ver (1 or 2), in exact
// decimal: 140.4 + n * 0.0125 MHz for variant 1, 140.2 + n * 0.0125 for
// variant 2, with four decimals ("146.0375"), as the report shows frequencies.
TextBuffer<32> channel_frequency(std::int32_t n, std::int32_t ver);

// The same without the zeros that end its decimals ("140.4", "265.3875"):
// how the band's ends are stated.
TextBuffer<32> channel_frequency_short(std::int32_t n, std::int32_t ver);

// Whether frequency f, as the report shows it with four decimals, is the
// channel of divider n with variant ver. Half steps and mistyped channels are
// not: 145.78 MHz gives 430, the channel 145.7750.
bool shows_channel(float f, std::int32_t n, std::int32_t ver);

// What the operator is told when f does not show the channel of n, the whole
// sentence: "Obs: delartalet 430 ger kanalen 145.7750 MHz, inte 145.7800.";
// empty when it does. Every front end prints this text as it is. ASCII only,
// so that either program's encoding takes it as it is.
TextBuffer<96> channel_notice(float f, std::int32_t n, std::int32_t ver);

}  // namespace delartal
