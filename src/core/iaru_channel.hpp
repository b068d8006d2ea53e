// The 2 m channels by the names operators speak of them: IARU Region 1's
// V00 to V63 (145.000 MHz and up, in steps of 12.5 kHz), the same channels as
// repeater outputs, RV00 to RV63, and the older names Swedish repeater pages
// still use, R0 to R7, R0x to R7x and S8 to S23.
#pragma once

#include <cstdint>
#include <string_view>

#include "text_buffer.hpp"

namespace delartal {

// The frequency a channel name stands for, with four decimals ("145.6000"
// for RV48), or an empty text when `name` is none. Case does not count.
TextBuffer<32> iaru_frequency(std::string_view name);

// The name of divider n's channel with variant ver: V00 to V47 for 145.000
// to 145.5875 MHz, RV48 to RV63 for 145.600 to 145.7875 MHz (the repeater
// outputs), and an empty text for every other channel.
TextBuffer<8> iaru_name(std::int32_t n, std::int32_t ver);

}  // namespace delartal
