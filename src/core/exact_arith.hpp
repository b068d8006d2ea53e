// The divider calculation's arithmetic, done exactly in integers so that every
// platform gives the same result whatever its long double or float evaluation.
#pragma once

#include <cstdint>
#include <optional>

namespace delartal {

// The offsets the halved frequency is reduced by, as the doubles nearest 70.2
// and 70.1 MHz, in units of 2^-46: 0x1.18CCCCCCCCCCDp+6 and 0x1.1866666666666p+6.
constexpr std::uint64_t offset_70_2 = 0x118CCCCCCCCCCD;
constexpr std::uint64_t offset_70_1 = 0x11866666666666;

// f / 2 less the offset (units of 2^-46), exact, rounded once to single
// precision. Empty for frequencies outside [64, 1024) MHz or not finite: the
// divider only grows with the frequency, and is below -6000 at 64 MHz and
// above 70000 just under 1024 MHz, so no frequency out there gives one in
// 0..9999; inside, every operand fits a 64-bit integer.
std::optional<float> halved_less_offset(float f, std::uint64_t offset);

// a / 0.00625 (the double nearest it) rounded to a 64-bit significand, and that
// rounded to single precision, both to nearest with ties to even.
float per_step(float a);

// The nearest whole number, halves upward: floor(q + 1/2). Saturates at the
// limits of a 32-bit integer; NaN gives the upper limit.
std::int32_t nearest_half_up(float q);

// |f| * 10^4 rounded to a whole number, halves away from zero. Saturates for
// |f| >= 2^40, far beyond any frequency this program shows.
std::uint64_t ten_thousandths(float f);

}  // namespace delartal
